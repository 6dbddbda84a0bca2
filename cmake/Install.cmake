# Installation and the Debian package.
include(GNUInstallDirs)

install(TARGETS quillmoss-java RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES packaging/quillmoss-java.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES src/resources/icon.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps
        RENAME quillmoss-java.png)

set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "quillmoss-java")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "Quillmoss 开发组 <support@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Small editor that compiles and runs one Java source in a terminal")
set(CPACK_PACKAGE_DESCRIPTION
    "QuillmossJava编译器 names a Java source after its main class, saves it, and\n compiles and runs it with javac and java in a terminal window that waits for a key.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION "devel")
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE "amd64")
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libc6, libstdc++6, libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libqt6printsupport6 (>= 6.4), libqscintilla2-qt6-15, qt6-qpa-plugins, default-jdk | openjdk-17-jdk | openjdk-17-jdk-headless, xterm | x-terminal-emulator")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wqy-microhei | fonts-noto-cjk")
include(CPack)
