# The list of deliverable PE files and their .def files, read by tools/check-pe.sh.
if(VARNEL_WINDOWS)
  get_property(pe_list GLOBAL PROPERTY VARNEL_PE_LIST)
  string(REPLACE ";" "\n" pe_text "${pe_list}")
  file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/pe-list.txt CONTENT "${pe_text}\n")
endif()
