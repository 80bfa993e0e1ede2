# Office network: fixed address, gateway and DNS servers.
pushd interface ip
set address name="ローカル エリア接続" source=static addr=192.168.10.25 mask=255.255.255.0
set address name="ローカル エリア接続" gateway=192.168.10.1 gwmetric=0
set dns name="ローカル エリア接続" source=static addr=192.168.10.2 register=PRIMARY
add dns name="ローカル エリア接続" addr=192.168.10.3 index=2
popd
