# Server replies, request addresses and the proxy list of the client core.
kavro_fuzz(fuzz_server_reply SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_server_reply.cpp
  LINKS kavro_app_core)
