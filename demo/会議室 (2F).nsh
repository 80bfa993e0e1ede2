# Meeting room: static address on the projector network.
pushd interface ip
set address name="ローカル エリア接続" source=static addr=10.0.2.50 mask=255.255.255.0 gateway=10.0.2.1 gwmetric=0
set dns name="ローカル エリア接続" source=static addr=10.0.2.1 register=NONE
popd
