# Read by cpack before it packs: the Debian package generator takes the time of every file and
# member from SOURCE_DATE_EPOCH, here the build's one time.
set(ENV{SOURCE_DATE_EPOCH} "${CPACK_SOURCE_DATE_EPOCH}")
