# The sign simulator's own tests: its command table, replies and faults as functions,
# and the running program on loopback TCP and a pseudo-terminal pair. Linux only.
if(NOT WIN32)
  kyz_gtest(signsim_tests
    signsim_commands_test.cpp
    signsim_line_and_faults_test.cpp
    LIBS signsim_lib
  )

  kyz_gtest(signsim_process_tests
    signsim_process_test.cpp
    signsim_process.cpp
    LIBS signsim_lib
  )
  add_dependencies(signsim_process_tests signsim)
  target_compile_definitions(signsim_process_tests PRIVATE
    SIGNSIM_PATH="$<TARGET_FILE:signsim>"
    PTY_PAIR_SCRIPT="${PROJECT_SOURCE_DIR}/scripts/pty-pair")
  set_tests_properties(signsim_process_tests PROPERTIES TIMEOUT 120)
endif()
