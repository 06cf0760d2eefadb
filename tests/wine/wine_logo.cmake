# Logo conversion: Pixmill.dll through the plug-in's loader.
varnel_wine_test(pixmill_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/pixmill_test.cpp
  DEPS varnel_logo_win32 NEEDS Pixmill)
