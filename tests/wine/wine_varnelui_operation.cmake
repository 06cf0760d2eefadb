# The Operation page and its dialog in the real VarnelUI.dll, in a document sheet over a
# record that the test owns.
varnel_wine_test(varnelui_operation_test
  SOURCES varnelui_operation_test.cpp plugin_sheet.cpp varnelui_test_support.cpp
  DEPS varnel_wine_support comctl32 ole32 uuid
  NEEDS VarnelUI)
