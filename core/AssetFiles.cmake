# Reads core/AssetFiles.txt, the one table of asset files, for the build:
#   VELLUMO_SHIPPED_ASSETS   every file written into the application folder,
#                            relative to it ("/PICTURE/01.GIF")
#   VELLUMO_BUILTIN_ONLY     every file built into the executable only
# and writes the same table as C++ (AssetFileTable.h in
# VELLUMO_GENERATED_DIR) for the program and the asset generator.
set(asset_table ${CMAKE_CURRENT_LIST_DIR}/AssetFiles.txt)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${asset_table})
set(VELLUMO_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)

file(STRINGS ${asset_table} asset_lines)
set(VELLUMO_SHIPPED_ASSETS)
set(VELLUMO_BUILTIN_ONLY)
set(asset_symbols "")
set(asset_rows "")
set(pinned_rows "")
set(asset_count 0)
set(pinned_count 0)
foreach(line IN LISTS asset_lines)
  if(line MATCHES "^[ \t]*(#|$)")
    continue()
  endif()
  string(REGEX MATCHALL "[^ \t]+" fields "${line}")
  list(LENGTH fields field_count)
  if(NOT field_count EQUAL 3)
    message(FATAL_ERROR "${asset_table}: not symbol, file and bytes: ${line}")
  endif()
  list(GET fields 0 symbol)
  list(GET fields 1 file)
  list(GET fields 2 bytes)
  if(file MATCHES "^/")
    list(APPEND VELLUMO_SHIPPED_ASSETS ${file})
  else()
    list(APPEND VELLUMO_BUILTIN_ONLY ${file})
  endif()
  if(NOT symbol STREQUAL "-")
    string(APPEND asset_symbols "inline constexpr std::string_view ${symbol} = \"${file}\";\n")
  endif()
  if(bytes STREQUAL "-")
    set(bytes 0)
  else()
    string(APPEND pinned_rows "    {\"${file}\", ${bytes}},\n")
    math(EXPR pinned_count "${pinned_count} + 1")
  endif()
  string(APPEND asset_rows "    {\"${file}\", ${bytes}},\n")
  math(EXPR asset_count "${asset_count} + 1")
endforeach()

file(CONFIGURE OUTPUT ${VELLUMO_GENERATED_DIR}/AssetFileTable.h @ONLY CONTENT [[
// Written by the build from core/AssetFiles.txt; change that table instead.
// Included by core/AssetFiles.h only.

namespace vellumo::asset {

@asset_symbols@
}  // namespace vellumo::asset

namespace vellumo {

inline constexpr std::array<AssetFile, @asset_count@> kAssetFiles{{
@asset_rows@}};

inline constexpr std::array<AssetFile, @pinned_count@> ExpectedAssetSizes{{
@pinned_rows@}};

}  // namespace vellumo
]])
