# Gantry.exe run as a user would, driven through its window: with the real Tolva.dll,
# with the test build of it beside the program, and without any.
varnel_wine_test(gantry_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/gantry_test.cpp NEEDS Gantry Tolva TolvaStandin)
