# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DIN=file -DOUT=file.gz -P GzipFile.cmake: compresses IN into OUT with
# the same bytes on every build (-n leaves out the name and the time).
execute_process(COMMAND gzip -9 -n -c "${IN}" OUTPUT_FILE "${OUT}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  file(REMOVE "${OUT}")
  message(FATAL_ERROR "gzip could not compress ${IN}")
endif()
