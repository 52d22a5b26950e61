#pragma once
// What the page builds the help window and the about box from, as JSON: their captions, texts,
// typefaces and places in pixels, and the topic tree. The topics' texts stay in the module; the
// page asks for the one the program shows (TopicText).

#include <string>
#include <string_view>

namespace web {

// {"help":{caption,selectTopic,quit,family,centipoints,titleCentipoints,textCentipoints,
//          width,height,places:{lblSelectTopic,tvwHelpTree,rtfHelpDisplay,cmdQuit},
//          topics:[{title,parent}]},
//  "about":{caption,ok,family,width,height,band:{place,color},okPlace,
//           lines:[{name,text,centipoints,bold,place}]}}
// Places are {left,top,width,height} in pixels of the window's client area; a topic's parent is
// the number of its top-level topic, 0 for a top-level one.
std::string DialogTables();

// What the text pane shows for the topic of that title; "" for a title no topic has.
std::string TopicText(std::string_view title);

}  // namespace web
