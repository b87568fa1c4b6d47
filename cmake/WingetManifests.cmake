# Writes the winget manifests (schema 1.6.0: version, installer, default locale) of the MSI and
# of the ZIP as a portable package into OUTPUT_DIR, with the files' SHA-256 and the MSI's
# product code. The installer URLs are URL_BASE/<file name>, which the release sets.
# Usage: cmake -DMSIINFO=msiinfo -DMSI=file.msi -DZIP=file.zip -DVERSION=1.0 -DPUBLISHER=...
#              -DUPGRADE_CODE=guid -DURL_BASE=https://... -DOUTPUT_DIR=dir -P WingetManifests.cmake
cmake_minimum_required(VERSION 3.25)
foreach(variable MSIINFO MSI ZIP VERSION PUBLISHER UPGRADE_CODE URL_BASE OUTPUT_DIR)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "WingetManifests.cmake needs -D${variable}=...")
    endif()
endforeach()

execute_process(COMMAND ${MSIINFO} export ${MSI} Property
    OUTPUT_VARIABLE properties RESULT_VARIABLE failed)
if(failed OR NOT properties MATCHES "\nProductCode\t({[0-9A-F-]+})")
    message(FATAL_ERROR "No product code in ${MSI}")
endif()
set(product_code ${CMAKE_MATCH_1})
file(SHA256 ${MSI} msi_sha256)
file(SHA256 ${ZIP} zip_sha256)
string(TOUPPER ${msi_sha256} msi_sha256)
string(TOUPPER ${zip_sha256} zip_sha256)
get_filename_component(msi_name ${MSI} NAME)
get_filename_component(zip_name ${ZIP} NAME)

set(id Nerolith.Nerolith)
set(head "# Made by the package target; the installer URLs are placeholders the release fills in.
# yaml-language-server: $schema=https://aka.ms/winget-manifest")
set(package "PackageIdentifier: ${id}\nPackageVersion: \"${VERSION}\"\n")
set(tail "ManifestVersion: 1.6.0\n")

file(WRITE ${OUTPUT_DIR}/${id}.yaml "${head}.version.1.6.0.schema.json
${package}DefaultLocale: ru-RU
ManifestType: version
${tail}")

file(WRITE ${OUTPUT_DIR}/${id}.installer.yaml "${head}.installer.1.6.0.schema.json
${package}MinimumOSVersion: 10.0.0.0
Installers:
- Architecture: x64
  InstallerType: msi
  Scope: user
  InstallerUrl: ${URL_BASE}/${msi_name}
  InstallerSha256: ${msi_sha256}
  ProductCode: \"${product_code}\"
  UpgradeBehavior: install
  AppsAndFeaturesEntries:
  - DisplayName: Nerolith
    Publisher: ${PUBLISHER}
    DisplayVersion: \"${VERSION}\"
    ProductCode: \"${product_code}\"
    UpgradeCode: \"{${UPGRADE_CODE}}\"
- Architecture: x64
  InstallerType: zip
  NestedInstallerType: portable
  NestedInstallerFiles:
  - RelativeFilePath: nerolith.exe
    PortableCommandAlias: nerolith
  InstallerUrl: ${URL_BASE}/${zip_name}
  InstallerSha256: ${zip_sha256}
ManifestType: installer
${tail}")

file(WRITE ${OUTPUT_DIR}/${id}.locale.ru-RU.yaml "${head}.defaultLocale.1.6.0.schema.json
${package}PackageLocale: ru-RU
Publisher: ${PUBLISHER}
PackageName: Nerolith
Moniker: nerolith
License: Proprietary
Copyright: ${PUBLISHER}, 2026
ShortDescription: Калькулятор выражений, матриц и систем уравнений
Description: Выражения, действия над матрицами A и B и системы линейных уравнений (методы
  Крамера, Гаусса и матричный) с пошаговым отчётом.
Tags:
- calculator
- matrix
- equations
ManifestType: defaultLocale
${tail}")
