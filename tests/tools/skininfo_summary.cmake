# Runs skininfo on the kept stored skin and checks the lines that say the
# container and its sections are as the About window expects them.
# -DSKININFO=<skininfo> -DSKIN=<stored skin>
execute_process(COMMAND ${SKININFO} ${SKIN} OUTPUT_VARIABLE out ERROR_VARIABLE err
                RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "skininfo failed (${rc}): ${err}")
endif()

set(expected
  "zlib header 78 DA"
  "version: 3"
  "picture: 277 x 116, 8 bits"
  "inactivepicture: none"
  "mask: 277 x 116, 1 bit"
  "extra pictures: 6"
  "  0: 95 x 268, 8 bits"
  "  1: 88 x 80, 8 bits"
  "  2: 68 x 116, 8 bits"
  "  3: 42 x 22, 8 bits"
  "  4: 516 x 281, 8 bits"
  "  5: 72 x 21, 8 bits"
  "objects: 12"
  "  caption: caption"
  "  closebutton: stdbutton"
  "  sysmenubutton: stdbutton"
  "controls: 51"
  "  button: button"
  "  slider: slider"
  "form: clientrect 13,46,265,107, margins 13,46,12,9, minimum 277 x 55"
  # The caption object.
  "[caption]\nhint=\nactivepictureindex=-1\n"
  "textrect=2,7,92,26\nfontname=Arial\nfontheight=16\nfontstyle=fsbold\nfontcolor=8404992\nactivefontcolor=16777215\nalignment=taleftjustify\nshadow=1\nshadowcolor=0\nactiveshadowcolor=0\n"
  # The five sections of the About window's controls, key for key.
  "[panel]\npictureindex=4\nmaskpictureindex=-1\nskinrect=141,4,200,56\nlefttoppoint=5,4\nrighttoppoint=53,6\nleftbottompoint=6,45\nrightbottompoint=53,46\nclientrect=2,2,57,50\nbgpictureindex=-1\ncaptionrect=0,0,0,0\nalignment=tacenter\nfontname=Arial\nfontheight=12\nfontstyle=\nfontcolor=0\n"
  "[button]\npictureindex=4\nmaskpictureindex=-1\nskinrect=0,0,24,21\nlefttoppoint=4,8\nrighttoppoint=18,9\nleftbottompoint=0,0\nrightbottompoint=0,0\nclientrect=2,2,22,19\nfontname=Arial\nfontheight=14\nfontstyle=\nfontcolor=0\nactivefontcolor=0\ndownfontcolor=0\ndisabledfontcolor=16777215\nactiveskinrect=48,0,72,21\ndownskinrect=24,0,48,21\ndisabledskinrect=33,62,57,83\nmorphing=1\nmorphkind=mkgradient\n"
  "[toolbutton]\npictureindex=4\nmaskpictureindex=-1\nskinrect=55,31,80,57\nlefttoppoint=5,11\nrighttoppoint=20,12\nleftbottompoint=0,0\nrightbottompoint=0,0\nclientrect=2,3,23,24\nfontname=Arial\nfontheight=14\nfontstyle=\nfontcolor=0\nactivefontcolor=0\ndownfontcolor=0\ndisabledfontcolor=0\nactiveskinrect=80,31,105,57\ndownskinrect=105,31,131,57\ndisabledskinrect=0,0,0,0\nmorphing=1\nmorphkind=mkdefault\n"
  "[edit]\npictureindex=4\nmaskpictureindex=-1\nskinrect=225,98,282,119\nlefttoppoint=4,10\nrighttoppoint=51,11\nleftbottompoint=0,0\nrightbottompoint=0,0\nclientrect=3,3,54,18\nactiveskinrect=225,121,282,142\nfontname=Arial\nfontheight=14\nfontstyle=\nfontcolor=0\ndisabledfontcolor=0\nactivefontcolor=0\nbuttonrect=0,0,0,0\nactivebuttonrect=0,0,0,0\ndownbuttonrect=0,0,0,0\nunenabledbuttonrect=0,0,0,0\n"
  "[stdlabel]\npictureindex=-1\nmaskpictureindex=-1\nskinrect=0,0,0,0\nfontname=Arial\nfontheight=14\nfontstyle=\nfontcolor=0\nactivefontcolor=16744448\n"
)
foreach(line IN LISTS expected)
  string(FIND "${out}" "${line}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "skininfo's summary lacks:\n${line}\n--- summary ---\n${out}")
  endif()
endforeach()
# header:header makes no descriptor.
string(FIND "${out}" "  header:" at)
if(NOT at EQUAL -1)
  message(FATAL_ERROR "a descriptor named header was made")
endif()
