# Fails unless DLL exports exactly the names in EXPECTED (comma-separated), undecorated.
#   cmake -DOBJDUMP=... -DDLL=... -DEXPECTED=a,b -P CheckExports.cmake
execute_process(COMMAND ${OBJDUMP} -p ${DLL} OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${OBJDUMP} -p ${DLL} failed")
endif()

# The name table: "[Ordinal/Name Pointer] Table", then one "[   n] name" line per export, then a blank line.
set(exported "")
string(FIND "${dump}" "[Ordinal/Name Pointer] Table" start)
if(start GREATER_EQUAL 0)
  string(SUBSTRING "${dump}" ${start} -1 table)
  string(REGEX REPLACE "\n[ \t]*\n.*" "" table "${table}")
  string(REPLACE "\n" ";" lines "${table}")
  foreach(line IN LISTS lines)
    if(line MATCHES "^[ \t]*\\[[ 0-9]+\\][ \t]+([^ \t]+)[ \t]*$")
      list(APPEND exported "${CMAKE_MATCH_1}")
    endif()
  endforeach()
endif()

list(SORT exported)
string(REPLACE "," ";" expected "${EXPECTED}")
list(SORT expected)
if(NOT exported STREQUAL expected)
  message(FATAL_ERROR "${DLL} exports [${exported}], expected exactly [${expected}] (undecorated)")
endif()
