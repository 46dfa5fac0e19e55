# kyz424's own logic: the file commands' questions, dialogs and writes, what it makes of
# the Windows version, and the values its sheet's pages share. Windows tree only, run under Wine.
if(WIN32)
  kyz_gtest(mfcapp_tests mfcapp_file_commands_test.cpp mfcapp_shared_page_values_test.cpp LIBS kyz424_app kyz_test_support)
endif()
