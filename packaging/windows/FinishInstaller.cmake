# Writes into an installer that wixl has built what wixl cannot: the summary's German title and
# language, a package code and dates of the build's own in place of a random code and the clock,
# the upgrade of an installed build of the same version (wixl drops IncludeMaximum), and the
# shortcut's AppUserModelID (the program's own, so that a pinned shortcut and the running program
# share one taskbar button). Through msiinfo and msibuild from msitools, by tables in text form.
# Run with: cmake -DMSI=<installer> -DPACKAGE_CODE=<{GUID}> -DSOURCE_DATE_EPOCH=<seconds>
#                 -DAPPLICATION_ID=<id> -DMSIINFO=<msiinfo> -DMSIBUILD=<msibuild>
#                 -P FinishInstaller.cmake
# Both tools write and read the summary's dates as local times.
set(ENV{TZ} UTC0)
set(ENV{SOURCE_DATE_EPOCH} "${SOURCE_DATE_EPOCH}")
string(TIMESTAMP build_date "%Y/%m/%d %H:%M:%S" UTC)

set(tables "${MSI}.tables")
file(REMOVE_RECURSE "${tables}")

# exported_table(<table> <variable>): the table's rows, tab-separated, after three header rows.
function(exported_table table variable)
    execute_process(COMMAND "${MSIINFO}" export "${MSI}" ${table}
        OUTPUT_VARIABLE rows
        COMMAND_ERROR_IS_FATAL ANY)
    set(${variable} "${rows}" PARENT_SCOPE)
endfunction()

# replace_text(<variable> <old> <new>): the table text with <old>, which it must hold, replaced.
macro(replace_text variable old new)
    string(FIND "${${variable}}" "${old}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "${MSI} lacks \"${old}\"")
    endif()
    string(REPLACE "${old}" "${new}" ${variable} "${${variable}}")
endmacro()

# set_summary_property(<id> <value>): the value of the summary's property <id>.
macro(set_summary_property id value)
    string(REGEX MATCH "\n${id}\t[^\r\n]*" row "${summary}")
    replace_text(summary "${row}" "\n${id}\t${value}")
endmacro()

exported_table(_SummaryInformation summary)
set_summary_property(2 "Installationsdatenbank")   # title
set_summary_property(7 "x64;1031")                 # platform and languages
set_summary_property(9 "${PACKAGE_CODE}")
set_summary_property(12 "${build_date}")           # created
set_summary_property(13 "${build_date}")           # last saved
file(WRITE "${tables}/_SummaryInformation.idt" "${summary}")

# Attributes 768: the minimum and the maximum version both included.
exported_table(Upgrade upgrade)
replace_text(upgrade "\t256\t\tWIX_SAME_VERSION_UPGRADE_DETECTED"
    "\t768\t\tWIX_SAME_VERSION_UPGRADE_DETECTED")
file(WRITE "${tables}/Upgrade.idt" "${upgrade}")

file(WRITE "${tables}/MsiShortcutProperty.idt"
    "MsiShortcutProperty\tShortcut_\tPropertyKey\tPropVariantValue\r\n"
    "s72\ts72\ts0\ts0\r\n"
    "MsiShortcutProperty\tMsiShortcutProperty\r\n"
    "AppUserModelId\tStartMenuShortcut\tSystem.AppUserModel.ID\t${APPLICATION_ID}\r\n")

execute_process(
    COMMAND "${MSIBUILD}" "${MSI}" -i _SummaryInformation.idt Upgrade.idt MsiShortcutProperty.idt
    WORKING_DIRECTORY "${tables}"
    COMMAND_ERROR_IS_FATAL ANY)
file(REMOVE_RECURSE "${tables}")
