// The HTML page skeleton of new pages, on exact bytes.

#include "documents/pageskeleton.h"

#include "support/markedtext.h"

#include <gtest/gtest.h>

TEST(PageSkeleton, EmptyPageWithoutOptionsAndAPageWithThem)
{
    const TextEdit empty = pageSkeletonEdit(QString(), ProgProps{});
    EXPECT_EQ(empty.replacement,
              marked("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">\r\n"
                     "<HTML>\r\n<HEAD>\r\n<TITLE>New Document</TITLE>\r\n</HEAD>\r\n\r\n"
                     "<BODY>\r\n\r\n</BODY>\r\n</HTML>"));
    EXPECT_EQ(empty.replacement.size(), 146);
    EXPECT_EQ(empty.selStart, 128); // the empty body line

    ProgProps props;
    props.Meta = QStringLiteral("<META A>\r\n<META B>");
    props.HTMLparams = QStringLiteral("BGCOLOR=\"#FFFFFF\"\r\nTEXT=\"#000000\"");
    props.tagsIN = props.paramsin = kOn;
    EXPECT_EQ(
        after("[<P>old]", [&](const MarkedText& d) { return pageSkeletonEdit(d.text, props); }),
        marked("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">\r\n"
               "<HTML>\r\n<HEAD>\r\n<TITLE>New Document</TITLE>\r\n</HEAD>\r\n"
               "<META A>\r\n<META B>\r\n<BODY BGCOLOR=\"#FFFFFF\" TEXT=\"#000000\" >\r\n"
               "<P>old|\r\n</BODY>\r\n</HTML>"));
}
