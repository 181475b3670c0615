# Writes the development Wi-Fi key table: 10000 distinct keys, one 64-digit
# lower-case hexadecimal key per line, line n belonging to code n. The keys are
# derived from a fixed text, so every build and the tests see the same table.
# A unit built with them only pairs with a PC tool using the same table; real
# units are built with the provisioning file (FIELDLOADER_KEY_TABLE).
#
#   cmake -DOUT=development_keys.txt -P GenerateDevelopmentKeys.cmake
cmake_policy(VERSION 3.16)
if(NOT OUT)
  message(FATAL_ERROR "GenerateDevelopmentKeys.cmake: set OUT to the file to write")
endif()

file(WRITE "${OUT}.tmp" "")
# Appending in blocks keeps this linear; one growing string is quadratic.
foreach(block RANGE 0 99)
  set(chunk "")
  foreach(j RANGE 0 99)
    math(EXPR code "${block} * 100 + ${j}")
    string(SHA256 key "fieldloader development key ${code}")
    string(APPEND chunk "${key}\n")
  endforeach()
  file(APPEND "${OUT}.tmp" "${chunk}")
endforeach()
file(RENAME "${OUT}.tmp" "${OUT}")
