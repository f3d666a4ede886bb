# Where `cmake --install` puts the programs.
#
# The editor looks for its sibling programs, the loader settings file and the
# manual in the folder of its own executable, so the editor, padwright-cli,
# the sibling programs and OstrellaPro.pdf are all installed into one program
# folder. Launchers in the binary folder link to it (see Packaging.cmake).
#
# Every install() rule for a program or a file that the editor looks up beside
# itself uses this destination:
#   install(TARGETS RxLoad RUNTIME DESTINATION ${PADWRIGHT_INSTALL_PROGRAMDIR})
set(PADWRIGHT_INSTALL_PROGRAMDIR "lib/padwrightrx" CACHE STRING
  "Program folder (relative to the install prefix, or absolute) for the editor, padwright-cli, the sibling programs and the manual")

# The programs that the editor starts from its program folder. Those that are
# built are expected in the program folder after installation.
set(PADWRIGHT_SIBLING_PROGRAMS RxLoad LinkProbe PadProbe SetPortRx)
