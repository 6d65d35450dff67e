<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ar">
<context>
    <name>Qorza</name>
    <message>
        <source>آس</source>
        <translation>Ace</translation>
    </message>
    <message>
        <source>اثنان</source>
        <translation>Two</translation>
    </message>
    <message>
        <source>ثلاثة</source>
        <translation>Three</translation>
    </message>
    <message>
        <source>أربعة</source>
        <translation>Four</translation>
    </message>
    <message>
        <source>خمسة</source>
        <translation>Five</translation>
    </message>
    <message>
        <source>ستة</source>
        <translation>Six</translation>
    </message>
    <message>
        <source>سبعة</source>
        <translation>Seven</translation>
    </message>
    <message>
        <source>ثمانية</source>
        <translation>Eight</translation>
    </message>
    <message>
        <source>تسعة</source>
        <translation>Nine</translation>
    </message>
    <message>
        <source>عشرة</source>
        <translation>Ten</translation>
    </message>
    <message>
        <source>شب</source>
        <translation>Jack</translation>
    </message>
    <message>
        <source>بنت</source>
        <translation>Queen</translation>
    </message>
    <message>
        <source>شايب</source>
        <translation>King</translation>
    </message>
    <message>
        <source>بستوني</source>
        <translation>spades</translation>
    </message>
    <message>
        <source>ديناري</source>
        <translation>diamonds</translation>
    </message>
    <message>
        <source>كبة</source>
        <translation>hearts</translation>
    </message>
    <message>
        <source>سباتي</source>
        <translation>clubs</translation>
    </message>
    <message>
        <source>ورقة مقلوبة</source>
        <translation>A face-down card</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A card&apos;s name: %1 its rank, %2 its suit.</extracomment>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>حدث خطأ غير متوقع، فستُغلق اللعبة الآن، وتبقى مباراتك المحفوظة كما كانت.</source>
        <translation>Something unexpected went wrong. Qorza will close now; your saved match stays as it was.</translation>
    </message>
    <message>
        <source>لعبة Qorza مفتوحة الآن في نافذة أخرى، فتابع اللعب فيها.</source>
        <translation>Qorza is already open in another window; carry on playing there.</translation>
    </message>
    <message>
        <source>تعذّرت قراءة الإعدادات المحفوظة، فبدأت اللعبة بالإعدادات الأصلية.</source>
        <translation>The saved settings could not be read, so the game started with the original settings.</translation>
    </message>
    <message>
        <source>تعذّرت قراءة الإحصاءات المحفوظة، فبدأت الإحصاءات من جديد.</source>
        <translation>The saved statistics could not be read, so the statistics start afresh.</translation>
    </message>
    <message>
        <source>تعذّرت قراءة بعض الإحصاءات المحفوظة، فحُفظ ما سلم منها.</source>
        <translation>Some of the saved statistics could not be read; the rest were kept.</translation>
    </message>
    <message>
        <source>تعذّرت قراءة المباراة المحفوظة، فتبدأ مباراة جديدة.</source>
        <translation>The saved match could not be read, so a new match begins.</translation>
    </message>
    <message>
        <source>تعذّر الحفظ على القرص، ويستمر اللعب دون حفظ.</source>
        <translation>The game could not be saved to the disk; play goes on without saving.</translation>
    </message>
    <message>
        <source>عدد الأوراق المأكولة</source>
        <translation>Cards taken</translation>
    </message>
    <message>
        <source>... النقــاط ...</source>
        <translation>... Points ...</translation>
    </message>
    <message>
        <source>... Qorza ...</source>
        <translation>... Qorza ...</translation>
    </message>
    <message>
        <source>عدد الأوراق المتبقية</source>
        <translation>Cards left</translation>
    </message>
    <message>
        <source>اللاعب</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>الحاسوب</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>تهانينا لقد ربحت.......</source>
        <translation>Congratulations, you won!</translation>
    </message>
    <message>
        <source>لقد خسرت مع الأسف حاول مرة أخرى</source>
        <translation>Sorry, you lost. Try again!</translation>
    </message>
    <message>
        <source>النقاط</source>
        <translation>points</translation>
    </message>
    <message>
        <source>لأكثر الأوراق</source>
        <translation>for most cards</translation>
    </message>
    <message>
        <source>تقريب النصف</source>
        <translation>half rounded</translation>
    </message>
    <message>
        <source>الجولة</source>
        <translation>Deal</translation>
    </message>
    <message>
        <source>لعبة Qorza - برمجة فريق مشروع Qorza</source>
        <translation>Qorza - by the Qorza project team</translation>
    </message>
    <message>
        <source>لعبات هذه الجولة</source>
        <translation>This deal&apos;s plays</translation>
    </message>
    <message>
        <source>لم تبدأ اللعبات في هذه الجولة بعد</source>
        <translation>No plays yet in this deal</translation>
    </message>
    <message>
        <source>إغلاق</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>أكل</source>
        <translation>took</translation>
    </message>
    <message>
        <source>على الأرض</source>
        <translation>stayed on the table</translation>
    </message>
    <message>
        <source> و</source>
        <translation> and </translation>
    </message>
    <message>
        <source>Qorza بقيمة %1</source>
        <translation>Qorza worth %1</translation>
    </message>
    <message>
        <source>نقاط +%1</source>
        <translation>points +%1</translation>
    </message>
    <message>
        <source>، </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 %2 : %3 %4 - الهدف %5</source>
        <translation>%1 %2 : %3 %4 - target %5</translation>
    </message>
    <message>
        <source>%1: لم يلعب بعد</source>
        <translation>%1: not played yet</translation>
    </message>
    <message>
        <source>آخر لعبة</source>
        <translation>Last play</translation>
    </message>
    <message>
        <source>النتيجة</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>انقر لعرض لعبات هذه الجولة</source>
        <translation>Click to see this deal&apos;s plays</translation>
    </message>
</context>
<context>
    <name>qorza::HelpWindow</name>
    <message>
        <source>Qorza</source>
        <translation>Qorza</translation>
    </message>
    <message>
        <source>أ-كيفية توزيع الورق:</source>
        <translation>A - Dealing the cards:</translation>
    </message>
    <message>
        <source>يوزع الورق بطريقتين إما أن يوزع أربع كروت للأرض وأربع كروت لكل لاعب أويوزع أربع كروت </source>
        <translation>Four cards are laid face up on the table and each player gets six cards or four</translation>
    </message>
    <message>
        <source>وأربع كروت لكل لاعب وهكذا حتى إنتهاء ورق اللعب</source>
        <translation>(always four in Homsi Qorza); new hands follow until the stock runs out.</translation>
    </message>
    <message>
        <source>ب-كيفية اللعب:</source>
        <translation>B - Playing:</translation>
    </message>
    <message>
        <source>تعتمد هذه العبة بالدرجة الأولى على أكل Qorza وQorza هنا هي أكل كروت الأرض جميعها عن</source>
        <translation>The game is first about making a Qorza: clearing every card from the table</translation>
    </message>
    <message>
        <source>طريق رمي كرت تمثل قيمته مجموع هذه الكروت أو تمثل حاصل جمع بعضها وحاصل جمع مـا</source>
        <translation>with one card whose value is the sum of those cards, or the sum of some of them</translation>
    </message>
    <message>
        <source>تبقى منها على الأرض.</source>
        <translation>and the sum of the rest.</translation>
    </message>
    <message>
        <source>وتعتمد بالدرجة الثانية على تجميع النقاط وإليكم الأوراق ذات النقاط وماذا تمثل كل ورقة من نقاط</source>
        <translation>Next, it is about points. Here are the point cards and what each is worth:</translation>
    </message>
    <message>
        <source>العشرة الطيبة</source>
        <translation>Ten of diamonds</translation>
    </message>
    <message>
        <source>تمثل ثلاث نقاط</source>
        <translation>is worth 3 points</translation>
    </message>
    <message>
        <source>جوزة الزهر</source>
        <translation>Two of clubs</translation>
    </message>
    <message>
        <source>تمثل نقطتان</source>
        <translation>is worth 2 points</translation>
    </message>
    <message>
        <source>الشب</source>
        <translation>Each Jack</translation>
    </message>
    <message>
        <source>يمثل نقطة واحدة</source>
        <translation>is worth 1 point</translation>
    </message>
    <message>
        <source>الآس</source>
        <translation>Each Ace</translation>
    </message>
    <message>
        <source> إن رمي الشب على الأرض يعمل على أكل جميع الأوراق</source>
        <translation>A Jack played takes every card on the table.</translation>
    </message>
    <message>
        <source>ملاحظة:</source>
        <translation>Note:</translation>
    </message>
    <message>
        <source>موافـــــــــــــق</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>المستوى الخبير لا ينظر أبداً إلى أوراقك: يلعب بما يراه فقط.</source>
        <translation>The expert never looks at your cards: it plays on what it sees alone.</translation>
    </message>
</context>
<context>
    <name>qorza::NameBox</name>
    <message>
        <source>الاسم حتى %1 حرف</source>
        <translation>A name of up to %1 characters</translation>
    </message>
    <message>
        <source>اكتب اسمًا هنا</source>
        <translation>Type a name here</translation>
    </message>
</context>
<context>
    <name>qorza::NewGameDialog</name>
    <message>
        <source>لعبة Qorza</source>
        <translation>Qorza</translation>
    </message>
    <message>
        <source>الرجاء كتابة إسمك:</source>
        <translation>Please type your name:</translation>
    </message>
    <message>
        <source>&amp;موافــق</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>نوع لعبة Qorza..........</source>
        <translation>Kind of Qorza..........</translation>
    </message>
    <message>
        <source>Qorza حمصية</source>
        <translation>Homsi Qorza</translation>
    </message>
    <message>
        <source>Qorza عادية</source>
        <translation>Normal Qorza</translation>
    </message>
    <message>
        <source> طريقة توزيع الورق ............. </source>
        <translation> Cards dealt ............. </translation>
    </message>
    <message>
        <source>ست أوراق</source>
        <translation>Six cards</translation>
    </message>
    <message>
        <source>أربع أوراق</source>
        <translation>Four cards</translation>
    </message>
    <message>
        <source> مســتوى اللعــــب ...</source>
        <translation> Level of play ...</translation>
    </message>
    <message>
        <source>عــــادي. (للمبدئيـــــن).</source>
        <translation>Normal (beginners)</translation>
    </message>
    <message>
        <source>متوســط. (للمتقدميـــن).</source>
        <translation>Medium (advanced)</translation>
    </message>
    <message>
        <source>جيـــــــد. (للمحترفيــن).</source>
        <translation>Good (skilled)</translation>
    </message>
    <message>
        <source>اسم اللاعب</source>
        <translation>Player&apos;s name</translation>
    </message>
    <message>
        <source>خبيـــــر. (للخبـــــراء).</source>
        <translation>Expert (masters)</translation>
    </message>
</context>
<context>
    <name>qorza::RankSigns</name>
    <message>
        <source>آس</source>
        <translation>A</translation>
    </message>
    <message>
        <source>شب</source>
        <translation>J</translation>
    </message>
    <message>
        <source>بنت</source>
        <translation>Q</translation>
    </message>
    <message>
        <source>شايب</source>
        <translation>K</translation>
    </message>
</context>
<context>
    <name>qorza::ResultsWindow</name>
    <message>
        <source>موافـــــــــــــق</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>النتائج</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>النتائج جولة بجولة</source>
        <translation>Results deal by deal</translation>
    </message>
</context>
<context>
    <name>qorza::SplashWindow</name>
    <message>
        <source>لعبة Qorza</source>
        <translation>Qorza</translation>
    </message>
    <message>
        <source>إنتاج سنة   1999</source>
        <translation>Made in   1999</translation>
    </message>
    <message>
        <source>برمجة وَ تقديم</source>
        <translation>Made by</translation>
    </message>
    <message>
        <source>تصميم</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>تطوير</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>فريق Qorza</source>
        <translation>Qorza team</translation>
    </message>
    <message>
        <source>مشروع Qorza</source>
        <translation>Qorza project</translation>
    </message>
    <message>
        <source>برنامج حر</source>
        <translation>Free software</translation>
    </message>
    <message>
        <source>رخصة GPL</source>
        <translation>GPL licence</translation>
    </message>
    <message>
        <source>الإصدار 1.0</source>
        <translation>Version 1.0</translation>
    </message>
</context>
<context>
    <name>qorza::StatisticsWindow</name>
    <message>
        <source>Qorza عادية - ست أوراق</source>
        <translation>Normal Qorza - six cards</translation>
    </message>
    <message>
        <source>Qorza عادية - أربع أوراق</source>
        <translation>Normal Qorza - four cards</translation>
    </message>
    <message>
        <source>Qorza حمصية - أربع أوراق</source>
        <translation>Homsi Qorza - four cards</translation>
    </message>
    <message>
        <source>عادي</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>متوسط</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>جيد</source>
        <translation>Good</translation>
    </message>
    <message>
        <source>المباريات الملعوبة</source>
        <translation>Matches played</translation>
    </message>
    <message>
        <source>المباريات الرابحة</source>
        <translation>Matches won</translation>
    </message>
    <message>
        <source>المباريات الخاسرة</source>
        <translation>Matches lost</translation>
    </message>
    <message>
        <source>الجولات الملعوبة</source>
        <translation>Deals played</translation>
    </message>
    <message>
        <source>معدل نقاط الجولة</source>
        <translation>Average deal score</translation>
    </message>
    <message>
        <source>أفضل نقاط جولة</source>
        <translation>Best deal score</translation>
    </message>
    <message>
        <source>عدد مرات Qorza</source>
        <translation>Qorzas made</translation>
    </message>
    <message>
        <source>أطول سلسلة فوز</source>
        <translation>Longest winning run</translation>
    </message>
    <message>
        <source>التلميحات المستعملة</source>
        <translation>Hints used</translation>
    </message>
    <message>
        <source>مرات التراجع</source>
        <translation>Moves undone</translation>
    </message>
    <message>
        <source>تصفير الإحصاءات</source>
        <translation>Reset statistics</translation>
    </message>
    <message>
        <source>موافـــــــــــــق</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>الإحصاءات</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>نوع اللعبة:</source>
        <translation>Game:</translation>
    </message>
    <message>
        <source>هل تريد بالتأكيد مسح كل الإحصاءات؟</source>
        <translation>Do you really want to erase all the statistics?</translation>
    </message>
    <message>
        <source>الإحصاءات حسب المستوى</source>
        <translation>Statistics by level</translation>
    </message>
    <message>
        <source>خبير</source>
        <translation>Expert</translation>
    </message>
</context>
<context>
    <name>qorza::SubOptionDialog</name>
    <message>
        <source>خيارات .... </source>
        <translation>Options .... </translation>
    </message>
    <message>
        <source>&amp;موافــق</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source> مجموعة ورق اللعب ... </source>
        <translation> Card backs ... </translation>
    </message>
    <message>
        <source>شكل خلفية الورق</source>
        <translation>Back of the cards</translation>
    </message>
    <message>
        <source> سرعة اللعب ... </source>
        <translation> Speed of play ... </translation>
    </message>
    <message>
        <source>سريع</source>
        <translation>Fast</translation>
    </message>
    <message>
        <source>بطيىء</source>
        <translation>Slow</translation>
    </message>
    <message>
        <source>متوسط</source>
        <translation>Mid</translation>
    </message>
    <message>
        <source>مقدار السرعة:               ثانية</source>
        <translation>Pause:               seconds</translation>
    </message>
    <message>
        <source> أسماء اللاعبين ... </source>
        <translation> Players&apos; names ... </translation>
    </message>
    <message>
        <source>اللاعب الأول:</source>
        <translation>First player:</translation>
    </message>
    <message>
        <source>اللاعب الثاني :</source>
        <translation>Second player:</translation>
    </message>
    <message>
        <source>عــــادي. (للمبدئيـــــن).</source>
        <translation>Normal (beginners)</translation>
    </message>
    <message>
        <source>متوســط. (للمتقدميـــن).</source>
        <translation>Medium (advanced)</translation>
    </message>
    <message>
        <source>جيـــــــد. (للمحترفيــن).</source>
        <translation>Good (skilled)</translation>
    </message>
    <message>
        <source>نقاط الربح</source>
        <translation>Winning points</translation>
    </message>
    <message>
        <source>ظهر الورق %1</source>
        <translation>Card back %1</translation>
    </message>
    <message>
        <source>سرعة اللعب</source>
        <translation>Speed of play</translation>
    </message>
    <message>
        <source>اسم اللاعب الأول</source>
        <translation>First player&apos;s name</translation>
    </message>
    <message>
        <source>اسم اللاعب الثاني</source>
        <translation>Second player&apos;s name</translation>
    </message>
    <message>
        <source> مســتوى اللعــــب ...</source>
        <translation> Level of play ...</translation>
    </message>
    <message>
        <source>خبيـــــر. (للخبـــــراء).</source>
        <translation>Expert (masters)</translation>
    </message>
</context>
<context>
    <name>qorza::TableView</name>
    <message>
        <source>طاولة اللعب</source>
        <translation>Card table</translation>
    </message>
    <message>
        <source>ورقة في يدك - المفتاح %1</source>
        <translation>A card in your hand - key %1</translation>
    </message>
    <message>
        <source>في يد %1</source>
        <translation>In %1&apos;s hand</translation>
    </message>
    <message>
        <source>على الأرض</source>
        <translation>On the table</translation>
    </message>
    <message>
        <source>ورقة نقاط - %1</source>
        <translation>Point card - %1</translation>
    </message>
    <message>
        <source>اسم اللاعب الأول</source>
        <translation>First player&apos;s name</translation>
    </message>
    <message>
        <source>اسم اللاعب الثاني</source>
        <translation>Second player&apos;s name</translation>
    </message>
</context>
<context>
    <name>qorza::TableWindow</name>
    <message>
        <source>مباراة محفوظة</source>
        <translation>Saved match</translation>
    </message>
    <message>
        <source>لديك مباراة لم تنتهِ بعد. هل تريد متابعتها؟</source>
        <translation>You have a match that is not finished yet. Do you want to go on with it?</translation>
    </message>
    <message>
        <source>&amp;ملف</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;جديد</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>خيارات أخرى</source>
        <translation>Further options</translation>
    </message>
    <message>
        <source>صوت أثناء اللعب</source>
        <translation>Sound while playing</translation>
    </message>
    <message>
        <source>النتائج</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>الإحصاءات</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>تلميح</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>تراجع</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>إ&amp;نهاء العبة</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>مساعدة</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>المحتويات</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>حول البرنامج</source>
        <translation>About</translation>
    </message>
    <message>
        <source>نهاية البرنامج</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>هل تريد بالتأكيد نهاية اللعبة؟</source>
        <translation>Do you really want to end the game?</translation>
    </message>
    <message>
        <source>اللغة / Language</source>
        <translation>Language / اللغة</translation>
    </message>
    <message>
        <source>ستظهر اللعبة بالإنجليزية عند تشغيلها مرة أخرى.</source>
        <translation>Qorza will be in English the next time it starts.</translation>
    </message>
    <message>
        <source>ستظهر اللعبة بالعربية عند تشغيلها مرة أخرى.</source>
        <translation>Qorza will be in Arabic the next time it starts.</translation>
    </message>
    <message>
        <source>لعبات هذه الجولة</source>
        <translation>This deal&apos;s plays</translation>
    </message>
</context>
</TS>
