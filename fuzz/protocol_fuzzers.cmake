# The reply handlers, title decoder and title command against any bytes.
kyz_fuzzer(fuzz_protocol protocol)
