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
      file(GENERATE OUTPUT ${out} CONTENT "${body}")
      list(APPEND qrc_files ${out})
    endif()
  endforeach()
  # The Quick Controls configuration sits at the root of the resources.
  if(EXISTS ${CMAKE_SOURCE_DIR}/qtquickcontrols2.conf)
    set(out ${CMAKE_BINARY_DIR}/resources/root.qrc)
    file(GENERATE OUTPUT ${out} CONTENT "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/\">\n  <file alias=\"qtquickcontrols2.conf\">${CMAKE_SOURCE_DIR}/qtquickcontrols2.conf</file>\n</qresource>\n</RCC>\n")
    list(APPEND qrc_files ${out})
  endif()
  add_library(${target} OBJECT ${qrc_files})
  target_link_libraries(${target} PRIVATE Qt5::Core)
endfunction()
