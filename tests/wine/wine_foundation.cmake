# The OS adapters against the real platform, and the dialog machinery itself.
varnel_wine_test(os_adapters_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/os_adapters_test.cpp
  DEPS varnel_win32 varnel_spool varnel_wine_support varnel_os_contracts)
varnel_wine_test(dialog_smoke_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/dialog_smoke_test.cpp
  RESOURCES ${CMAKE_CURRENT_LIST_DIR}/dialog_smoke_test.rc DEPS comctl32)
