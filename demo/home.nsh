# Home network: addresses from the router by DHCP.
pushd interface ip
set address name="ローカル エリア接続" source=dhcp
set dns name="ローカル エリア接続" source=dhcp register=PRIMARY
popd
