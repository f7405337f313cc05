# The eleven interface languages. The order is the one the Gearwarden
# language list uses; every program compiles one ".ts" per code into
# ":/ts/app_<code>.qm".
set(GW_LANGUAGES en ru de zh_TW it fr es ro pl ja cs)

# gw_add_translations(<target> <folder with app_<code>.ts>)
function(gw_add_translations target ts_dir)
  set(ts_files "")
  foreach(code IN LISTS GW_LANGUAGES)
    set(ts "${ts_dir}/app_${code}.ts")
    if(NOT EXISTS "${ts}")
      message(FATAL_ERROR "Missing translation source ${ts}")
    endif()
    list(APPEND ts_files "${ts}")
  endforeach()
  set(qm_dir "${CMAKE_CURRENT_BINARY_DIR}/${target}_qm")
  set_source_files_properties(${ts_files} PROPERTIES OUTPUT_LOCATION "${qm_dir}")
  qt_add_lrelease(${target} TS_FILES ${ts_files} NO_GLOBAL_TARGET
                  OPTIONS -silent QM_FILES_OUTPUT_VARIABLE qm_files)
  qt_add_resources(${target} "${target}_translations" PREFIX "/ts" BASE "${qm_dir}" FILES ${qm_files})
endfunction()
