# Tolva.dll as a program loads it: its exports, and no printers on a machine without any.
varnel_wine_test(tolva_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/tolva_test.cpp NEEDS Tolva)
