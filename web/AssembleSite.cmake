# Fills the site folder afresh: the page's own files (PAGE_FILES) under names that carry their
# content's hash, so that a host may keep them for good, and the other files (FILES) as they are.
# Then it writes the build's version, drawn from every file, into index.html and the service
# worker from WORKER, and puts a brotli and a gzip form beside every file that compresses.
# Usage: cmake -DSITE=<folder> -DPAGE_FILES=<entries> -DFILES=<entries> -DWORKER=<sw.js.in>
#              -DBROTLI=<brotli> -DGZIP=<gzip> -P AssembleSite.cmake
# Entries are "source|folder in the site"; a page file is named only by index.html and by the page
# files after it, in quotes.
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE "${SITE}")
set(page_names "")
foreach(entry IN LISTS FILES PAGE_FILES)
    string(REPLACE "|" ";" parts "${entry}")
    list(GET parts 0 source)
    list(GET parts 1 folder)
    file(COPY "${source}" DESTINATION "${SITE}/${folder}")
    if(entry IN_LIST PAGE_FILES)
        get_filename_component(name "${source}" NAME)
        list(APPEND page_names "${name}")
    endif()
endforeach()

set(hashed_names "")
list(LENGTH page_names count)
math(EXPR last "${count} - 1")
foreach(index RANGE ${last})
    list(GET page_names ${index} name)
    math(EXPR next "${index} + 1")
    set(namers "")
    if(next LESS count)
        list(SUBLIST page_names ${next} -1 namers)
    endif()
    file(SHA256 "${SITE}/${name}" hash)
    string(SUBSTRING "${hash}" 0 10 hash)
    get_filename_component(stem "${name}" NAME_WE)
    get_filename_component(extension "${name}" EXT)
    set(hashed "${stem}.${hash}${extension}")
    file(RENAME "${SITE}/${name}" "${SITE}/${hashed}")
    foreach(namer IN ITEMS index.html ${namers})
        file(READ "${SITE}/${namer}" text)
        string(REPLACE "\"${name}\"" "\"${hashed}\"" text "${text}")
        string(REPLACE "'${name}'" "'${hashed}'" text "${text}")
        file(WRITE "${SITE}/${namer}" "${text}")
    endforeach()
    list(APPEND hashed_names "'${hashed}'")
endforeach()

file(GLOB_RECURSE files RELATIVE "${SITE}" "${SITE}/*")
list(SORT files)
set(fingerprints "")
foreach(file IN LISTS files)
    file(SHA256 "${SITE}/${file}" hash)
    string(APPEND fingerprints "${file} ${hash}\n")
endforeach()
file(SHA256 "${WORKER}" hash)
string(APPEND fingerprints "sw.js ${hash}\n")
string(SHA256 SITE_VERSION "${fingerprints}")
string(SUBSTRING "${SITE_VERSION}" 0 16 SITE_VERSION)
configure_file("${SITE}/index.html" "${SITE}/index.html" @ONLY)
list(JOIN hashed_names ", " PAGE_FILES)
configure_file("${WORKER}" "${SITE}/sw.js" @ONLY)

file(GLOB_RECURSE compressible "${SITE}/*.html" "${SITE}/*.js" "${SITE}/*.css" "${SITE}/*.wasm"
     "${SITE}/*.svg" "${SITE}/*.webmanifest")
foreach(file IN LISTS compressible)
    execute_process(COMMAND "${BROTLI}" --quality=11 --keep --force "${file}"
                    COMMAND_ERROR_IS_FATAL ANY)
    execute_process(COMMAND "${GZIP}" -9 --no-name --keep --force "${file}"
                    COMMAND_ERROR_IS_FATAL ANY)
endforeach()
