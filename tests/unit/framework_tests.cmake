# The framework's hidden state, under Wine: how a window finds its object, the order in
# which frame, view and document go, WinSock's start and end and the socket table.
if(WIN32)
  kyz_gtest(framework_tests framework_test.cpp framework_probe.rc LIBS kyz_framework)
endif()
