# Gathers the program's texts into copies of the catalogues, as the
# update_translations target does, and fails when a copy differs from its
# catalogue (a text added, changed or dropped without the catalogue being
# brought up to date) or when a catalogue has a text still untranslated.
#
#   cmake -DLUPDATE=... -DSOURCES=list-file -DOPTIONS=... -DTRANSLATIONS=dir -DWORK=dir -P check_catalogues.cmake
file(GLOB catalogues ${TRANSLATIONS}/*.ts)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(copies)
foreach(catalogue IN LISTS catalogues)
  get_filename_component(name ${catalogue} NAME)
  configure_file(${catalogue} ${WORK}/${name} COPYONLY)
  list(APPEND copies ${WORK}/${name})
endforeach()
execute_process(COMMAND ${LUPDATE} @${SOURCES} ${OPTIONS} -ts ${copies}
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lupdate failed:\n${output}")
endif()
foreach(catalogue IN LISTS catalogues)
  get_filename_component(name ${catalogue} NAME)
  file(READ ${catalogue} committed)
  file(READ ${WORK}/${name} gathered)
  if(NOT committed STREQUAL gathered)
    message(FATAL_ERROR "${name} is not current: build the target update_translations and translate "
                        "what it adds (compare ${WORK}/${name}).")
  endif()
  string(FIND "${committed}" "type=\"unfinished\"" unfinished)
  if(NOT unfinished EQUAL -1)
    message(FATAL_ERROR "${name} has untranslated texts (type=\"unfinished\").")
  endif()
endforeach()
list(LENGTH catalogues count)
message(STATUS "${count} catalogues complete and current")
