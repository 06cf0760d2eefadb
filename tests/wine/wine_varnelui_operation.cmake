# The Operation page and its dialog in the real VarnelUI.dll.
varnel_wine_test(varnelui_operation_test SOURCES varnelui_operation_test.cpp plugin_sheet.cpp varnelui_test_support.cpp
  DEPS comctl32 ole32 uuid NEEDS VarnelUI)
