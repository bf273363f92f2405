# Compiles one help project and puts the result in the program folder; run by CMake with -P.
#   CHMCMD     the compiler (Free Pascal's chmcmd, Debian package fp-utils)
#   PROJECT    the .hhp file, read where it is
#   WORK_DIR   where chmcmd runs: it writes the compiled file into its working directory,
#              so the source tree stays clean
#   COMPILED   the file name the project's "Compiled file=" gives
#   OUTPUT     where the finished file goes
#
# chmcmd exits 0 when it cannot find the project, and leaves an empty file behind when it
# fails, so its exit code alone proves nothing: the result must start like a CHM file.

if(NOT CHMCMD OR NOT EXISTS "${CHMCMD}")
  message(FATAL_ERROR "chmcmd was not found, so the help file ${OUTPUT} cannot be built. "
                      "Install it (Debian: apt-get install fp-utils) and build again.")
endif()

set(result "${WORK_DIR}/${COMPILED}")
file(MAKE_DIRECTORY "${WORK_DIR}")
file(REMOVE "${result}")
execute_process(COMMAND "${CHMCMD}" "${PROJECT}"
                WORKING_DIRECTORY "${WORK_DIR}"
                RESULT_VARIABLE status
                OUTPUT_VARIABLE output
                ERROR_VARIABLE output)

set(problem "")
if(NOT status EQUAL 0)
  set(problem "chmcmd exited with ${status}")
elseif(output MATCHES "(Warning|Error):")
  # A missing page or contents file is only a warning to chmcmd; here it fails the build,
  # as compiler warnings do.
  set(problem "chmcmd reported problems")
elseif(NOT EXISTS "${result}")
  set(problem "chmcmd wrote no ${COMPILED}")
else()
  file(READ "${result}" signature LIMIT 4 HEX)
  if(NOT signature STREQUAL "49545346")  # "ITSF"
    set(problem "${result} is not a compiled help file")
  endif()
endif()
if(problem)
  file(REMOVE "${result}")
  message(FATAL_ERROR "${PROJECT}: ${problem}:\n${output}")
endif()

get_filename_component(output_dir "${OUTPUT}" DIRECTORY)
file(MAKE_DIRECTORY "${output_dir}")
file(COPY_FILE "${result}" "${OUTPUT}")
# Newer than every source, or the build would compile it again each time.
file(TOUCH "${OUTPUT}")
