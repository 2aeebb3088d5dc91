# The one place the version is written: the main build, the fuzz build and the package read it.
set(ZORV_VERSION_NUMBER 0.2.0)
