# The page's shell for emcc: the template with its styles and scripts put in place, so the page
# is one file. Run as: cmake -DTEMPLATE= -DCSS= -DSCRIPTS=a.js,b.js -DOUT= -P inline_page.cmake
file(READ ${TEMPLATE} page)
file(READ ${CSS} css)
string(REPLACE "," ";" SCRIPTS "${SCRIPTS}")
set(js "")
foreach(script IN LISTS SCRIPTS)
  file(READ ${script} text)
  string(APPEND js "${text}\n")
endforeach()
string(REPLACE "/*@PAGE_CSS@*/" "${css}" page "${page}")
string(REPLACE "/*@PAGE_JS@*/" "${js}" page "${page}")
file(WRITE ${OUT} "${page}")
