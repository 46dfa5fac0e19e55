# The reply handlers, title decoder and title command against any bytes.
kyz_fuzzer(fuzz_protocol protocol)
# What the sign sends, as the links hand it over: serial lines and TCP reads.
kyz_fuzzer(fuzz_serial_replies serial_replies)
kyz_fuzzer(fuzz_socket_replies socket_replies)
# Page titles: the read-back reply decoder and the title command.
kyz_fuzzer(fuzz_title_decoder title_decoder)
kyz_fuzzer(fuzz_title_encoder title_encoder)
