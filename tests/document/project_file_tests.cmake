# The project file tests, a program of their own: included from
# tests/CMakeLists.txt so the document tests beside them keep their own list.
kelvora_test(project_file_tests
  document/project_file_bad_input_test.cpp
  document/project_file_fault_test.cpp
  document/project_file_format_test.cpp
  document/project_file_restore_test.cpp
)
target_link_libraries(project_file_tests PRIVATE kvdocument)
