# Fills the site folder afresh from FILES (entries "source|folder in the site"), then writes the
# service worker from WORKER with the list of every file and a cache name drawn from their names
# and contents, so that any change to the site gives a new cache.
# Usage: cmake -DSITE=<folder> -DFILES=<entries> -DWORKER=<sw.js.in> -P AssembleSite.cmake
file(REMOVE_RECURSE "${SITE}")
foreach(entry IN LISTS FILES)
    string(REPLACE "|" ";" parts "${entry}")
    list(GET parts 0 source)
    list(GET parts 1 folder)
    file(COPY "${source}" DESTINATION "${SITE}/${folder}")
endforeach()

file(GLOB_RECURSE files RELATIVE "${SITE}" "${SITE}/*")
list(SORT files)
set(fingerprints "")
set(SITE_FILES "'./'")
foreach(file IN LISTS files)
    file(SHA256 "${SITE}/${file}" hash)
    string(APPEND fingerprints "${file} ${hash}\n")
    string(APPEND SITE_FILES ", '${file}'")
endforeach()
string(SHA256 SITE_VERSION "${fingerprints}")
string(SUBSTRING "${SITE_VERSION}" 0 16 SITE_VERSION)
configure_file("${WORKER}" "${SITE}/sw.js" @ONLY)
