# Checks a Wi-Fi key table file and writes it as C++ source for pskKeys.
# The file must hold exactly 10000 lines, each a distinct key of 64
# lower-case hexadecimal digits; line n is the key of code n. Anything else
# stops the build: a unit with a wrong table could never pair with the PC tool.
#
#   cmake -DKEYS=keys.txt -DOUT=PskKeyTable.cpp -P WriteKeyTable.cmake
cmake_policy(VERSION 3.16)
if(NOT KEYS OR NOT OUT)
  message(FATAL_ERROR "WriteKeyTable.cmake: set KEYS (key file) and OUT (C++ file to write)")
endif()
if(NOT EXISTS "${KEYS}")
  message(FATAL_ERROR "Wi-Fi key table ${KEYS} does not exist")
endif()

file(READ "${KEYS}" content)
# Accept a final newline and Windows line ends, nothing else.
string(REPLACE "\r\n" "\n" content "${content}")
string(REGEX REPLACE "\n$" "" content "${content}")
# Only digits, a-f and line ends: this also keeps list separators and
# brackets, which CMake would interpret, out of the lines below.
if(content MATCHES "[^0-9a-f\n]")
  string(REGEX MATCH "^[0-9a-f\n]*" valid "${content}")
  string(REGEX REPLACE "[^\n]" "" newlines "${valid}")
  string(LENGTH "${newlines}" line)
  math(EXPR line "${line} + 1")
  message(FATAL_ERROR "Wi-Fi key table ${KEYS}, line ${line}: a character other than 0-9 and a-f; expected one 64-digit lower-case hexadecimal key per line")
endif()
string(REPLACE "\n" ";" lines "${content}")
list(LENGTH lines count)
if(NOT count EQUAL 10000)
  message(FATAL_ERROR "Wi-Fi key table ${KEYS}: ${count} lines, expected exactly 10000 (one key per code 0 to 9999)")
endif()

set(line 0)
set(body "")
foreach(key IN LISTS lines)
  math(EXPR line "${line} + 1")
  string(LENGTH "${key}" length)
  if(NOT length EQUAL 64)
    message(FATAL_ERROR "Wi-Fi key table ${KEYS}, line ${line}: ${length} digits, expected a key of 64 lower-case hexadecimal digits")
  endif()
  string(APPEND body "    \"${key}\",\n")
endforeach()

set(distinct ${lines})
list(REMOVE_DUPLICATES distinct)
list(LENGTH distinct distinctCount)
if(NOT distinctCount EQUAL 10000)
  math(EXPR duplicates "10000 - ${distinctCount}")
  message(FATAL_ERROR "Wi-Fi key table ${KEYS}: ${duplicates} duplicate keys; every code needs its own key")
endif()

file(WRITE "${OUT}.tmp" "// Generated from the Wi-Fi key table at build time; do not edit or commit.
#include \"updater/PskKeys.h\"

const char pskKeyData[pskKeyCount][pskKeyLength + 1] = {
${body}};
")
file(RENAME "${OUT}.tmp" "${OUT}")
