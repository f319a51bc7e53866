# Builds one locale into OUT with localedef. Warnings about the locale's
# sources are not failures; a missing result is.
file(MAKE_DIRECTORY ${OUT})
execute_process(COMMAND ${LOCALEDEF} -c -i ${SOURCE} -f UTF-8 ${OUT}/${SOURCE}.UTF-8
                OUTPUT_QUIET ERROR_QUIET)
if(NOT EXISTS ${OUT}/${SOURCE}.UTF-8/LC_NUMERIC)
  message(FATAL_ERROR "localedef made no ${SOURCE}.UTF-8 locale")
endif()
