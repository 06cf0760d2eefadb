# The profile reader against the platform's, and the adapters of the system, redirection,
# window, lock, serial-port and version concerns against the real platform; with a
# library that carries nothing but a version resource.
enable_language(RC)
add_library(version_probe SHARED ${CMAKE_CURRENT_LIST_DIR}/support/version_probe.c
  ${CMAKE_CURRENT_LIST_DIR}/support/version_probe.rc)
set_target_properties(version_probe PROPERTIES PREFIX "")
varnel_wine_test(profile_wine_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/profile_wine_test.cpp DEPS varnel_profile)
varnel_wine_test(system_adapters_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/system_adapters_test.cpp
  DEPS varnel_win32 varnel_system varnel_version varnel_os_platform_contracts NEEDS version_probe)
