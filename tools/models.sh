# Sourced by the tool scripts: the machine models of the tree, from the
# add_machine lines of the top CMakeLists.txt (e.g. "no3"), and the program
# of one model from its identity header.
models=$(sed -nE 's/^add_machine\(([a-z0-9]+) .*/\1/p' "$top/CMakeLists.txt")
program_of() { sed -nE 's/^#define MACHINE_PROGRAM "([^"]*)".*/\1/p' "$top/machines/$1/machine_identity.h"; }
