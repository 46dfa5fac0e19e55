# kyz424lx's own logic: the file commands' order of questions and writes, and the
# maintenance shortcut's click counting. Windows tree only, run under Wine.
if(WIN32)
  kyz_gtest(win32app_tests
    win32app_file_commands_test.cpp
    win32app_corner_clicks_test.cpp
    win32app_exit_routine_test.cpp
    LIBS kyz424lx_app kyz_test_support
  )
endif()
