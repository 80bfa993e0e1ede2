# Travelling: wireless adapter by DHCP, wired adapter left alone.
pushd interface ip
set address name="ワイヤレス ネットワーク接続" source=dhcp
set dns name="ワイヤレス ネットワーク接続" source=dhcp register=NONE
popd
