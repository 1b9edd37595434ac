# What an installation adds to the programs' own install rules. The programs, the desktop
# entry, the scalable icon and the README are installed beside the targets that make them.

set(MRB500_PACKAGE mrb500-configurator)
set(data_dir ${CMAKE_INSTALL_DATADIR}/${MRB500_PACKAGE})

# Translations: a build tree keeps them in languages/ beside the programs, an installation
# in its data folder. The programs find that folder relative to themselves, because the
# package installs under /usr whatever prefix this tree was configured with.
install(DIRECTORY ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/languages/ DESTINATION ${data_dir}/translations
        FILES_MATCHING PATTERN "lang_*.qm")
file(RELATIVE_PATH translations_from_program ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_DATADIR}/${MRB500_PACKAGE}/translations)
target_compile_definitions(mrb500core PRIVATE
    MRB500_TRANSLATIONS_FROM_PROGRAM="${translations_from_program}")
