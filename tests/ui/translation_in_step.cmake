# Fails when lupdate would change the English translation file: a window text
# added, changed or removed in the sources and not carried into the file
# (added, it would show in Russian in the English windows). Runs lupdate as the
# target update_translations does, on a copy, and shows what it would change.
#
# Variables: TS_FILE, LUPDATE, LUPDATE_PROJECT (the project description CMake
# generated for lupdate), GENERATE_PROJECT (Qt's script that turns it into
# lupdate's JSON), LUPDATE_OPTIONS (separated by blanks), WORK_DIR.
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
set(copy "${WORK_DIR}/quillmarsh_en.ts")
file(COPY_FILE "${TS_FILE}" "${copy}")
execute_process(COMMAND "${CMAKE_COMMAND}" -DIN_FILE=${LUPDATE_PROJECT} -DOUT_FILE=${WORK_DIR}/project.json
                        -P "${GENERATE_PROJECT}"
                COMMAND_ERROR_IS_FATAL ANY)
separate_arguments(options UNIX_COMMAND "${LUPDATE_OPTIONS}")
execute_process(COMMAND "${LUPDATE}" -project "${WORK_DIR}/project.json" ${options} -ts "${copy}"
                OUTPUT_QUIET ERROR_QUIET COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${TS_FILE}" "${copy}" RESULT_VARIABLE differs)
if(differs)
  execute_process(COMMAND diff -u "${TS_FILE}" "${copy}")
  message(FATAL_ERROR "lupdate changes ${TS_FILE} (above): run `cmake --build build --target update_translations` "
                      "and translate what it marks unfinished")
endif()
