# What an installation adds to the programs' own install rules, and the Debian package
# (make package). The programs, the desktop entry, the scalable icon and the README are
# installed beside the targets that make them.

set(MRB500_PACKAGE mrb500-configurator)
set(MRB500_RELEASE_DATE 2019-10-30) # the date the About box gives for this version
# The project has no public address yet: these stand in for it, in example.org's reserved
# space, until it has one. The AppStream ID must not change once published.
set(MRB500_HOMEPAGE "https://example.org/mrb500-configurator" CACHE STRING
    "The project's public web page")
set(MRB500_SCREENSHOT_URL "${MRB500_HOMEPAGE}/docs/screenshot.png" CACHE STRING
    "Where the main window's picture (docs/screenshot.png) is published")
set(MRB500_APPSTREAM_ID org.example.mrb500_configurator)
set(MRB500_SUMMARY "Prepare the configuration of an MRB-500 conventional fire-alarm panel")
set(MRB500_DESCRIPTION
"Prepares everything an MRB-500 conventional fire-alarm control panel needs:
zones, auxiliary relay and sounder boards, general options, web server and
e-mail settings, and cause-and-effect maneuvers. Saves them as an XML file and
transfers them to and from the panel over its USB-serial link, with verified
uploads, a backup of the panel before every upload and a printable
cause-and-effect report.

Besides the desktop application: mrb500ctl, the same for scripts, and
mrb500-panelsim, a panel simulator to try everything without a panel.")

set(data_dir ${CMAKE_INSTALL_DATADIR}/${MRB500_PACKAGE})
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/${MRB500_PACKAGE})
set(out_dir ${CMAKE_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${out_dir})

# Translations: a build tree keeps them in languages/ beside the programs, an installation
# in its data folder. The programs find that folder relative to themselves, because the
# package installs under /usr whatever prefix this tree was configured with.
install(DIRECTORY ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/languages/ DESTINATION ${data_dir}/translations
        FILES_MATCHING PATTERN "lang_*.qm")
file(RELATIVE_PATH translations_from_program ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_DATADIR}/${MRB500_PACKAGE}/translations)
target_compile_definitions(mrb500_model PRIVATE
    MRB500_TRANSLATIONS_FROM_PROGRAM="${translations_from_program}")

# A fuzzing build is never installed.
if(MRB500_FUZZ)
    return()
endif()

# Icons of fixed size, drawn from the same picture as the scalable one.
set(package_files)
foreach(size 48 256)
    set(png ${out_dir}/icon-${size}.png)
    add_custom_command(OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
                $<TARGET_FILE:mrb500-svgrender> ${PROJECT_SOURCE_DIR}/resources/icons/logo.svg
                ${png} ${size} ${size}
        DEPENDS ${PROJECT_SOURCE_DIR}/resources/icons/logo.svg mrb500-svgrender
        VERBATIM)
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${MRB500_PACKAGE}.png)
    list(APPEND package_files ${png})
endforeach()

# Manual pages from the programs' own --help, in English, so they cannot drift from it.
find_program(HELP2MAN help2man REQUIRED)
function(mrb500_manual_page program whatis)
    set(page ${out_dir}/${program}.1)
    add_custom_command(OUTPUT ${page}.gz
        COMMAND ${CMAKE_COMMAND} -E env --unset=LANGUAGE LC_ALL=C.UTF-8
                QT_QPA_PLATFORM=offscreen
                ${HELP2MAN} --no-info --name=${whatis} --output=${page} $<TARGET_FILE:${program}>
        COMMAND gzip -9nf ${page}
        # mrb500ctl reads the translations that are built with the configurator.
        DEPENDS ${program} mrb500-configurator
        VERBATIM)
    install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    set(package_files ${package_files} ${page}.gz PARENT_SCOPE)
endfunction()
mrb500_manual_page(mrb500-configurator "configure an MRB-500 fire-alarm panel")
mrb500_manual_page(mrb500ctl
    "inspect MRB-500 configuration files and transfer them to and from the panel")
mrb500_manual_page(mrb500-panelsim "simulate an MRB-500 fire-alarm panel on a pseudo-terminal")

# AppStream: the description's paragraphs become <p> elements.
string(REPLACE "\n\n" "</p>\n    <p>" MRB500_DESCRIPTION_PARAGRAPHS "${MRB500_DESCRIPTION}")
configure_file(${PROJECT_SOURCE_DIR}/packaging/metainfo.xml.in
               ${out_dir}/${MRB500_APPSTREAM_ID}.metainfo.xml @ONLY)
install(FILES ${out_dir}/${MRB500_APPSTREAM_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

install(FILES ${PROJECT_SOURCE_DIR}/packaging/mrb500ctl.bash-completion
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME mrb500ctl)

# Debian wants a copyright file and a compressed change log in the documentation folder.
execute_process(COMMAND date -u -R -d ${MRB500_RELEASE_DATE}
                OUTPUT_VARIABLE MRB500_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
set(CPACK_PACKAGE_CONTACT
    "MRB-500 configurator contributors <maintainers@users.noreply.c-seed-8926412d.example>")
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog.in ${out_dir}/changelog @ONLY)
add_custom_command(OUTPUT ${out_dir}/changelog.gz
    COMMAND gzip -9nkf ${out_dir}/changelog
    DEPENDS ${out_dir}/changelog
    VERBATIM)
list(APPEND package_files ${out_dir}/changelog.gz)
install(FILES ${out_dir}/changelog.gz ${PROJECT_SOURCE_DIR}/packaging/copyright
        DESTINATION ${doc_dir})

add_custom_target(mrb500-package-files ALL DEPENDS ${package_files})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${MRB500_PACKAGE})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY ${MRB500_SUMMARY})
set(CPACK_PACKAGE_DESCRIPTION ${MRB500_DESCRIPTION})
set(CPACK_PACKAGE_HOMEPAGE_URL ${MRB500_HOMEPAGE})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# dpkg-shlibdeps sees every library the programs link, not what Qt loads at run time. On
# Debian 12 the xcb and offscreen platform plugins ship in libqt6gui6, which it does see,
# and the artwork is compiled in as PNG, so no plugin package is missing. Qt's own texts
# (standard buttons and dialogs) in Spanish are a separate package; without it those stay
# English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
include(CPack)
