# Cross toolchain shared by both mingw-w64 targets. The posix threading variant gives
# std::mutex and friends (GoogleTest needs them); with -static its thread library is
# linked into each PE file, so nothing beyond system DLLs is imported.
set(CMAKE_C_COMPILER ${VARNEL_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VARNEL_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${VARNEL_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${VARNEL_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
if(VARNEL_TRIPLE MATCHES "^x86_64")
  # Test executables of the win64 build run under wine64 through this wrapper.
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/wine-exec.sh)
endif()
