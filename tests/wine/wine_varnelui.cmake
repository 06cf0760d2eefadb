# The settings plug-in VarnelUI, loaded with LoadLibrary from the build's bin folder and
# driven through its two exports only.
varnel_wine_test(varnelui_test
  SOURCES varnelui_test_support.cpp varnelui_plugin_test.cpp varnelui_sheet_test.cpp
  DEPS ole32 uuid comctl32
  NEEDS VarnelUI)
