# Generates one .qrc per resource root from the files found below it, so new
# QML files, icons or schemes need no hand-kept list.
#   qml/      -> qrc:/qml/...
#   TovaUi/   -> qrc:/TovaUi/... (QML, qmldir, icons, themes; not C++ sources)
#   source/   -> qrc:/source/...
#   ts/*.qm   -> qrc:/ts/...
#   file/     -> qrc:/file/...
function(penlark_add_resources target)
  set(roots qml TovaUi source ts file)
  set(qrc_files)
  foreach(root ${roots})
    if(NOT EXISTS ${CMAKE_SOURCE_DIR}/${root})
      continue()
    endif()
    file(GLOB_RECURSE files CONFIGURE_DEPENDS RELATIVE ${CMAKE_SOURCE_DIR}
      ${CMAKE_SOURCE_DIR}/${root}/*)
    set(body "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/\">\n")
    set(count 0)
    foreach(f ${files})
      if(f MATCHES "\\.(cpp|h|py|sh|md~|ts|swp)$" OR f MATCHES "/src/" OR f MATCHES "/tools/")
        continue()
      endif()
      string(APPEND body "  <file alias=\"${f}\">${CMAKE_SOURCE_DIR}/${f}</file>\n")
      math(EXPR count "${count}+1")
    endforeach()
    string(APPEND body "</qresource>\n</RCC>\n")
    if(count GREATER 0)
      set(out ${CMAKE_BINARY_DIR}/resources/${root}.qrc)
      # Written now, not at generation: the QML compiler reads every
      # resource file below.
      file(WRITE ${out}.in "${body}")
      configure_file(${out}.in ${out} COPYONLY)
      list(APPEND qrc_files ${out})
    endif()
  endforeach()
  # The Quick Controls configuration sits at the root of the resources.
  if(EXISTS ${CMAKE_SOURCE_DIR}/qtquickcontrols2.conf)
    set(out ${CMAKE_BINARY_DIR}/resources/root.qrc)
    file(WRITE ${out}.in "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/\">\n  <file alias=\"qtquickcontrols2.conf\">${CMAKE_SOURCE_DIR}/qtquickcontrols2.conf</file>\n</qresource>\n</RCC>\n")
    configure_file(${out}.in ${out} COPYONLY)
    list(APPEND qrc_files ${out})
  endif()
  # Translation catalogues: ts/*.ts are compiled by lrelease at build time and
  # carried as qrc:/ts/writer_<code>.qm.
  set(translation_sources)
  file(GLOB ts_files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/ts/*.ts)
  if(ts_files)
    find_package(Qt5LinguistTools REQUIRED)
    set_source_files_properties(${ts_files} PROPERTIES OUTPUT_LOCATION ${CMAKE_BINARY_DIR}/translations)
    qt5_add_translation(qm_files ${ts_files})
    set(body "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/\">\n")
    foreach(qm ${qm_files})
      get_filename_component(name ${qm} NAME)
      string(APPEND body "  <file alias=\"ts/${name}\">${qm}</file>\n")
    endforeach()
    string(APPEND body "</qresource>\n</RCC>\n")
    set(qrc ${CMAKE_BINARY_DIR}/resources/translations.qrc)
    file(WRITE ${qrc}.in "${body}")
    configure_file(${qrc}.in ${qrc} COPYONLY)
    set(cpp ${CMAKE_BINARY_DIR}/resources/qrc_translations.cpp)
    add_custom_command(OUTPUT ${cpp}
      COMMAND Qt5::rcc --name translations --output ${cpp} ${qrc}
      DEPENDS ${qrc} ${qm_files} VERBATIM)
    set_source_files_properties(${cpp} PROPERTIES SKIP_AUTOGEN ON GENERATED ON)
    list(APPEND translation_sources ${cpp})
  endif()
  # QML and JavaScript are compiled at build time, so a first start (a fresh
  # home has no cache of compiled QML) does not compile the interface.
  find_package(Qt5QuickCompiler REQUIRED)
  qtquick_compiler_add_resources(compiled ${qrc_files})
  add_library(${target} OBJECT ${compiled} ${translation_sources})
  set_target_properties(${target} PROPERTIES AUTORCC OFF)
  target_link_libraries(${target} PRIVATE Qt5::Core)
endfunction()
