#include "page/blank_questionnaire.h"

#include <string>

namespace BlankQuestionnaire {

const std::array<const char*, 27> kParts = {
    // head: title, one style rule
    "<html><head><title>Health and Lifestyle History</title><style type='text/css'>body,p,div,td,th {font-size: 12px; font-family: Tahoma, Verdana, Arial, Times New Roman;}</style> </head>",
    // body, printing on load
    "<body onload='window.print();'> ",
    // centred title line, 15 px
    "<p align='center' style='font-size:15px;'>HEALTH &amp; LIFESTYLE HISTORY</p> ",
    // introduction
    "<p><br> Nothing can replace live personal interaction when it comes to correctly interpreting and applying QELM Principles for constructing the most accurate and personally tailored set of lifestyle recommendations. In order to make sure that your Personal QELM Recommendations are complete as possible, in all respects, it is vital that we are made aware of all your health and lifestyle history. Under each subject, please list all information that applies beginning, by date, with earliest and ending with the most recent. If there is not enough room under each heading, please use the back of the sheet and/or additional paper to put the number that corresponds to the heading you are listing to.<br></p> ",
    // empty line
    "<p>&nbsp; </p> ",
    // heading of the medical history, 14 px
    "<p style='font-size:14px;'>Medical History Information: </p> ",
    // medical question 1
    "<blockquote> <p>1. Hospitalizations (please list approximate <b><i>date </i></b> and <b><i>reason </i></b> for hospitalization) </p> </blockquote> ",
    // writing space
    "<p>&nbsp;</p> <p><br> <br> </p> <p>&nbsp; </p> ",
    // medical question 2
    "<blockquote> <p>2. Accidents (please list approximate <b><i>date </i></b> and <b><i>injury </i></b> that resulted) </p> </blockquote> ",
    // writing space
    "<p>&nbsp; </p> <p><br> <br> </p> <p>&nbsp; </p> ",
    // medical question 3
    "<blockquote> <p>3. Surgeries (please list approximate <b><i>date </i></b> and <b><i>reason </i></b> for surgery) </p> </blockquote> ",
    // writing space
    "<p>&nbsp; </p> <p> <br> <br> </p> <p>&nbsp; </p> ",
    // medical question 4
    "<blockquote> <p>4. Medications (please list all doctor prescribed <b><i>medications </i></b>, by <b><i>date </i></b>, <b><i>why taken </i></b>) </p> </blockquote> ",
    // writing space
    "<p>&nbsp; </p> <p><br> <br> </p> <p>&nbsp; </p> ",
    // medical question 5
    "<blockquote> <p>5. Doctor Diagnosed Illnesses and/or Diseases - both emotional and physical (please list approximate <b><i>date of diagnosis </i></b> with the <b><i>specialty of the doctor </i></b> who diagnosed you) </p> </blockquote> ",
    // writing space
    "<p>&nbsp; </p> <p><br> <br> </p> <p>&nbsp;</p> ",
    // medical question 6
    "<blockquote> <p>6. Allergies (please list by <b><i>date diagnosed</i></b> , <b><i>tests used </i></b> &nbsp;to determine, <b><i>type </i></b>, i.e. medication, chemical or food, <b><i>specialty of individual who diagnosed the condition. </i></b>) </p> </blockquote> ",
    // writing space
    "<p>&nbsp;</p> <p><br> <br> </p> <p>&nbsp; </p> <p><br> </p> <p>&nbsp;</p> ",
    // heading of the lifestyle history, 14 px
    "<p style='font-size:14px;'>Lifestyle History &amp; Information:</p> ",
    // lifestyle question 1
    "<blockquote> <p>1. Diets (please list by date the various dietary regimens you have tried or followed in the past, whether for weight loss, nutritional, philosophical or religious reasons) </p> </blockquote> ",
    // writing space
    "<p>&nbsp;</p> <p>&nbsp;</p> <p>&nbsp;</p> <p>&nbsp; </p> ",
    // lifestyle question 2
    "<blockquote> <p>2. Exercise programs (please list all the types of exercise programs you have followed) </p> </blockquote> ",
    // writing space
    "<p>&nbsp; </p> <p>&nbsp;</p> <p>&nbsp;</p> <p>&nbsp; </p> ",
    // lifestyle question 3
    "<blockquote> <p>3. Food supplements (please list all Mineral, Vitamin, Herbal and Digestive supplements that you are currently taking and how much of each per day. Please indicate whether these were professionally prescribed or self prescribed?) </p> </blockquote> ",
    // writing space
    "<p>&nbsp; </p> <p>&nbsp;</p> <p>&nbsp;</p> <p>&nbsp; </p> ",
    // lifestyle question 4, its writing space inside the same indented block
    "<blockquote> <p>4. Please describe, in a few words, the guiding philosophy you live by, effecting your view of wellness, dis-ease and health (healing). </p> <p>&nbsp;</p> <p>&nbsp;</p> <p>&nbsp;</p> <p>&nbsp;</p> </blockquote> ",
    // end
    "</body></html>",
};

fw::String Document()
{
    std::string text;
    for (const char* part : kParts)
        text += part;
    return fw::String(text);
}

} // namespace BlankQuestionnaire
