# ae_add_translation(<library> <name> <folder>...)
#
# The Russian texts of a window library: resources/translations/<name>_ru.ts, kept in the tree,
# holds a translation of every text that the .cpp and .h files of the folders mark with tr(),
# QCoreApplication::translate() or QT_TRANSLATE_NOOP(). lrelease compiles it at build time and the
# library embeds it as ":/i18n/<name>_ru.qm"; ResourceLanguage installs it at start when the
# program's language is Russian.
#
#   cmake --build build --target update_translations
#
# brings every .ts up to date with the code (new texts come in unfinished, texts the code no longer
# has go); the test of tests/translations fails until each of them has its finished translation.
function(ae_add_translation library name)
  set(ts ${PROJECT_SOURCE_DIR}/resources/translations/${name}_ru.ts)
  set(sources "")
  foreach(folder IN LISTS ARGN)
    file(GLOB found CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.cpp ${PROJECT_SOURCE_DIR}/${folder}/*.h)
    list(APPEND sources ${found})
  endforeach()
  list(SORT sources)
  # Without source locations: line numbers would change the .ts with every edit of the code, and
  # merges of the code would collide in it.
  qt_add_translations(${library}
    TS_FILES ${ts}
    SOURCES ${sources}
    INCLUDE_DIRECTORIES ${PROJECT_SOURCE_DIR}
    LUPDATE_OPTIONS -locations none -no-obsolete)
  # The test of tests/translations runs lupdate over the same sources.
  set_property(GLOBAL APPEND PROPERTY AE_TRANSLATIONS ${name})
  set_property(GLOBAL PROPERTY AE_TRANSLATION_TS_${name} ${ts})
  set_property(GLOBAL PROPERTY AE_TRANSLATION_SOURCES_${name} "${sources}")
endfunction()
