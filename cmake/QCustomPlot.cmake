# QCustomPlot compiled from Debian's source package with its OpenGL paint
# buffer enabled (Debian's binary build lacks it). scripts/setup.sh puts the
# two files under build/third_party; they are never part of the repository.
if(NOT EXISTS "${QCUSTOMPLOT_SOURCE_DIR}/qcustomplot.cpp")
  message(FATAL_ERROR "QCustomPlot source not found in ${QCUSTOMPLOT_SOURCE_DIR}: run scripts/setup.sh")
endif()
add_library(qcustomplot STATIC
  "${QCUSTOMPLOT_SOURCE_DIR}/qcustomplot.cpp"
  "${QCUSTOMPLOT_SOURCE_DIR}/qcustomplot.h")
target_include_directories(qcustomplot SYSTEM PUBLIC "${QCUSTOMPLOT_SOURCE_DIR}")
target_compile_definitions(qcustomplot PUBLIC QCUSTOMPLOT_USE_OPENGL)
target_compile_options(qcustomplot PRIVATE -w)
target_link_libraries(qcustomplot PUBLIC
  Qt6::Core Qt6::Gui Qt6::Widgets Qt6::PrintSupport Qt6::OpenGL Qt6::OpenGLWidgets)
set_target_properties(qcustomplot PROPERTIES AUTOMOC ON AUTOUIC OFF)
