# Installation and the Debian package: the program, its desktop entry, icons,
# AppStream metadata, manual pages, copyright and changelog.
include(GNUInstallDirs)

if(NOT UNIX OR APPLE)
    install(TARGETS quillmoss-java RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    return()
endif()

set(QM_PACKAGING "${PROJECT_SOURCE_DIR}/packaging")
set(QM_DOC_DIR "${CMAKE_INSTALL_DATADIR}/doc/${PROJECT_NAME}")
set(QM_ICON_SIZES 16 24 32 48 64 128 256)

install(TARGETS quillmoss-java RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Strip as Debian does: also the compiler's notes, which the program never reads.
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
            --remove-section=.note
            \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/quillmoss-java\")
    endif()")

install(FILES "${QM_PACKAGING}/quillmoss-java.desktop"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES "${QM_PACKAGING}/org.example.quillmossjava.metainfo.xml"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size IN LISTS QM_ICON_SIZES)
    install(FILES "${QM_PACKAGING}/icons/quillmoss-java-${size}.png"
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME quillmoss-java.png)
endforeach()
install(FILES "${QM_PACKAGING}/icons/quillmoss-java.svg"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES "${QM_PACKAGING}/copyright" DESTINATION ${QM_DOC_DIR})

# Manual pages and the changelog are installed compressed, without a time
# stamp in the gzip header so that two builds give the same package.
function(qm_gzipped source output)
    add_custom_command(OUTPUT "${output}"
        COMMAND sh -c "gzip -9nc \"$0\" > \"$1\"" "${source}" "${output}"
        DEPENDS "${source}" VERBATIM)
endfunction()
set(QM_GZ "${PROJECT_BINARY_DIR}/packaging")
file(MAKE_DIRECTORY "${QM_GZ}/zh_CN")
qm_gzipped("${QM_PACKAGING}/quillmoss-java.1" "${QM_GZ}/quillmoss-java.1.gz")
qm_gzipped("${QM_PACKAGING}/quillmoss-java.zh_CN.1" "${QM_GZ}/zh_CN/quillmoss-java.1.gz")
qm_gzipped("${QM_PACKAGING}/changelog" "${QM_GZ}/changelog.gz")
add_custom_target(packaging_docs ALL DEPENDS
    "${QM_GZ}/quillmoss-java.1.gz" "${QM_GZ}/zh_CN/quillmoss-java.1.gz" "${QM_GZ}/changelog.gz")
install(FILES "${QM_GZ}/quillmoss-java.1.gz" DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES "${QM_GZ}/zh_CN/quillmoss-java.1.gz"
        DESTINATION ${CMAKE_INSTALL_MANDIR}/zh_CN/man1)
install(FILES "${QM_GZ}/changelog.gz" DESTINATION ${QM_DOC_DIR})

set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "quillmoss-java")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "Quillmoss 开发组 <support@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "small editor that compiles and runs one Java source")
# Each line within 80 columns; CPack indents them as the control file wants.
string(JOIN "\n" CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "QuillmossJava编译器 is a desktop program for learning Java. You type or open"
    "one Java source in a large editor; the program names the file after the"
    "class that holds main and saves it into your source directory."
    ""
    "One button compiles the current text with javac and runs it with java in a"
    "terminal window that waits for a key, while the editor stays responsive."
    "Sources open from the file manager, the command line or by dropping them on"
    "the window. The program's texts are in Chinese.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION "devel")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://example.org/quillmoss")
# The libraries come from dpkg-shlibdeps; named here is what the binary does
# not link but needs all the same: Qt's display plugins and translations, a
# JDK for 编译+运行 and a terminal for its console.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, qt6-translations-l10n, default-jdk | openjdk-17-jdk, xterm | x-terminal-emulator")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wqy-microhei | fonts-noto-cjk")
include(CPack)
