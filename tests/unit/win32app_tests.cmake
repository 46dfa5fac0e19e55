# kyz424lx's own logic: the file commands' order of questions and writes, the
# maintenance shortcut's click counting, the main window and its front panel, and the menu and dialogs
# built from the program's own resources. Windows tree only, run under Wine.
if(WIN32)
  kyz_gtest(win32app_tests
    win32app_file_commands_test.cpp
    win32app_corner_clicks_test.cpp
    win32app_exit_routine_test.cpp
    win32app_field_dialogs_test.cpp
    win32app_resources_test.cpp
    win32app_main_window_test.cpp
    win32app_front_panel_test.cpp
    win32app_timed_run_test.cpp
    win32app_title_dialog_test.cpp
    ${PROJECT_SOURCE_DIR}/win32app/kyz424lx.rc
    LIBS kyz424lx_app kyz_test_support
  )
endif()
