#pragma once

#include <span>
#include <string>
#include <string_view>

namespace help {

// One help topic. The title is also the text and the key of its node in the tree, so titles are
// unique. Topics with a range carry the texts of their largest and smallest allowed values.
struct HelpTopic {
    int parent;  // number of the top-level topic it hangs under, 0 for a top-level topic
    const char* title;
    const char* text;  // UTF-8; paragraphs are separated by two CR LF pairs
    const char* maxText;
    const char* minText;
};

// The 52 topics in number order (topic n is element n - 1): the five top-level topics first, then
// the children of each, in the order they appear under their parent.
std::span<const HelpTopic> HelpTopics();

// What the text pane shows for a topic: the title, two line breaks, the text and, for a topic with
// a range, two line breaks, "Max: " and the max text, a line break, "Min: " and the min text.
std::string TopicDisplayText(const HelpTopic& topic);

// The topic of that title; nothing for a title no topic has.
const HelpTopic* TopicTitled(std::string_view title);

}  // namespace help
