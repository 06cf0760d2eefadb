# Logo conversion: Pixmill.dll through the plug-in's loader.
varnel_wine_test(pixmill_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/pixmill_test.cpp
  DEPS varnel_logo_win32 NEEDS Pixmill)

# The Download page of the real VarnelUI.dll, end to end through Wine's spooler.
varnel_wine_test(download_page_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/download_page_test.cpp ${CMAKE_CURRENT_LIST_DIR}/varnelui_test_support.cpp
  DEPS varnel_logo varnel_win32 varnel_wine_support ole32 uuid comctl32 winspool
  NEEDS VarnelUI Pixmill)
