# Writes the Windows Installer package of the program for offices (cmake -P, run by the build
# target `msi`):
#
#   cmake -DSTAGE=FOLDER -DVERSION=1.0.0 -DOUTPUT=tavrolin-1.0.0-windows-x64.msi -P msi.cmake
#
# STAGE holds the program folder as `cmake --install` lays it out (the portable package's
# folder). The package installs it for every user of the machine into C:\Program Files\Tavrolin
# with a Start menu shortcut. Its upgrade code stays the same from version to version, so that
# installing a newer version replaces the older one. The settings file and the comment template
# that a CAD manager edits in the program folder are never overwritten once they exist: an upgrade
# and a repair keep them; only the removal of the program takes them away.
#
# The package is written by wixl (Debian's msitools), the one maker of Windows Installer packages
# among Debian's packages; its description is generated here from the folder. wixl knows neither
# components that are never overwritten nor a late removal of the older version, so msibuild (of
# the same package) sets both in the package's tables afterwards.
cmake_minimum_required(VERSION 3.22)
foreach(variable STAGE VERSION OUTPUT)
    if(NOT ${variable})
        message(FATAL_ERROR "msi.cmake needs -D${variable}=...")
    endif()
endforeach()
find_program(WIXL wixl)
find_program(MSIBUILD msibuild)
if(NOT WIXL OR NOT MSIBUILD)
    message(FATAL_ERROR "wixl and msibuild are missing: install Debian's wixl and msitools")
endif()

# The same in every version: it tells Windows Installer that a package replaces an older one.
set(upgrade_code 5E2D7A14-8C3B-4F61-9A07-3D6B1E48C2F9)
# Files that the office edits, each a component of its own that is installed only where it is
# missing.
set(kept_files tavrolin.ini commentdata.dat)

# Names for the identifiers of the package's tables: letters, digits and '_' only.
function(table_id out prefix path)
    string(MD5 hash "${path}")
    set(${out} "${prefix}${hash}" PARENT_SCOPE)
endfunction()

# A component's GUID, made from what it installs, so it stays the same from version to version.
function(component_guid out path)
    string(UUID guid NAMESPACE ${upgrade_code} NAME "${path}" TYPE SHA1 UPPER)
    set(${out} "${guid}" PARENT_SCOPE)
endfunction()

# The <Directory> elements of one folder of the stage, its files a component each, and its
# sub-folders; the components' identifiers are gathered in `components`.
function(describe_folder out relative indent)
    set(xml "")
    set(folder "${STAGE}/${relative}")
    file(GLOB entries LIST_DIRECTORIES true RELATIVE "${folder}" "${folder}/*")
    list(SORT entries)
    set(files "")
    foreach(entry IN LISTS entries)
        if(relative STREQUAL "")
            set(path "${entry}")
        else()
            set(path "${relative}/${entry}")
        endif()
        if(IS_DIRECTORY "${STAGE}/${path}")
            table_id(directory d "${path}")
            describe_folder(inner "${path}" "${indent}  ")
            string(APPEND xml "${indent}<Directory Id=\"${directory}\" Name=\"${entry}\">\n"
                              "${inner}${indent}</Directory>\n")
            continue()
        endif()
        list(FIND kept_files "${path}" kept)
        if(kept GREATER -1)
            string(REPLACE "." "_" component "kept_${path}")
        else()
            table_id(component c "${path}")
        endif()
        table_id(file_id f "${path}")
        component_guid(guid "${path}")
        string(APPEND files "${indent}<Component Id=\"${component}\" Guid=\"${guid}\" Win64=\"yes\">\n"
                            "${indent}  <File Id=\"${file_id}\" Source=\"${path}\" "
                            "KeyPath=\"yes\"/>\n${indent}</Component>\n")
        list(APPEND components "${component}")
    endforeach()
    # A folder without files (scr, where the scripts go) is made all the same.
    if(files STREQUAL "" AND NOT relative STREQUAL "")
        table_id(component c "${relative}/")
        component_guid(guid "${relative}/")
        set(files "${indent}<Component Id=\"${component}\" Guid=\"${guid}\" Win64=\"yes\">\n"
                  "${indent}  <CreateFolder/>\n${indent}</Component>\n")
        list(APPEND components "${component}")
    endif()
    set(components "${components}" PARENT_SCOPE)
    set(${out} "${files}${xml}" PARENT_SCOPE)
endfunction()

if(NOT EXISTS "${STAGE}/tavrolin.exe")
    message(FATAL_ERROR "No tavrolin.exe in ${STAGE}: install the program there first")
endif()
set(components "")
describe_folder(program_folder "" "          ")
component_guid(shortcut_guid "Start menu shortcut")
set(references "")
foreach(component IN LISTS components)
    string(APPEND references "      <ComponentRef Id=\"${component}\"/>\n")
endforeach()

get_filename_component(output "${OUTPUT}" ABSOLUTE)
set(description "${output}.wxs")
file(WRITE "${description}" "<?xml version=\"1.0\" encoding=\"utf-8\"?>
<Wix xmlns=\"http://schemas.microsoft.com/wix/2006/wi\">
  <Product Id=\"*\" Name=\"Tavrolin\" Language=\"1041\" Version=\"${VERSION}\"
           Manufacturer=\"Tavrolin\" UpgradeCode=\"${upgrade_code}\">
    <Package InstallerVersion=\"500\" Compressed=\"yes\" InstallScope=\"perMachine\"
             Description=\"Tavrolin ${VERSION}\"/>
    <MajorUpgrade DowngradeErrorMessage=\"A newer version of Tavrolin is already installed.\"/>
    <Media Id=\"1\" Cabinet=\"tavrolin.cab\" EmbedCab=\"yes\"/>
    <Icon Id=\"tavrolin.ico\" SourceFile=\"ico/sw.ico\"/>
    <Property Id=\"ARPPRODUCTICON\" Value=\"tavrolin.ico\"/>
    <Directory Id=\"TARGETDIR\" Name=\"SourceDir\">
      <Directory Id=\"ProgramFiles64Folder\">
        <Directory Id=\"INSTALLDIR\" Name=\"Tavrolin\">
${program_folder}        </Directory>
      </Directory>
      <Directory Id=\"ProgramMenuFolder\">
        <Component Id=\"StartMenu\" Guid=\"${shortcut_guid}\" Win64=\"yes\">
          <Shortcut Id=\"TavrolinShortcut\" Name=\"Tavrolin\" Target=\"[INSTALLDIR]tavrolin.exe\"
                    WorkingDirectory=\"INSTALLDIR\"/>
          <RegistryValue Root=\"HKLM\" Key=\"Software\\Tavrolin\" Name=\"StartMenuShortcut\"
                         Type=\"integer\" Value=\"1\" KeyPath=\"yes\"/>
        </Component>
      </Directory>
    </Directory>
    <Feature Id=\"Program\" Level=\"1\">
${references}      <ComponentRef Id=\"StartMenu\"/>
    </Feature>
  </Product>
</Wix>
")

# wixl takes the files' paths relative to the folder it runs in.
execute_process(COMMAND "${WIXL}" --arch x64 --output "${output}" "${description}"
                WORKING_DIRECTORY "${STAGE}" RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "wixl failed:\n${errors}")
endif()

# msidbComponentAttributes64bit (256) + msidbComponentAttributesNeverOverwrite (128). The older
# version is removed only after the newer one is in place (after InstallFinalize), so that the
# files they share, the kept ones among them, stay where they are.
set(queries "UPDATE `InstallExecuteSequence` SET `Sequence` = 6700 WHERE `Action` = 'RemoveExistingProducts'")
foreach(kept IN LISTS kept_files)
    string(REPLACE "." "_" component "kept_${kept}")
    list(APPEND queries "UPDATE `Component` SET `Attributes` = 384 WHERE `Component` = '${component}'")
endforeach()
set(arguments "")
foreach(query IN LISTS queries)
    list(APPEND arguments -q "${query}")
endforeach()
execute_process(COMMAND "${MSIBUILD}" "${output}" ${arguments}
                RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "msibuild failed:\n${errors}")
endif()
message(STATUS "Wrote ${output}")
