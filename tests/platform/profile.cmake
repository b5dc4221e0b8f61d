# The profile calls and the system proxy query.
kavro_test(platform_profile_test LABEL unit SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/profile_test.cpp ${CMAKE_CURRENT_LIST_DIR}/system_proxy_test.cpp
  LINKS kavro_platform)
