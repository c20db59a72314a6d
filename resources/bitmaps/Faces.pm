# The faces of the main window's owner-drawn buttons and the small image
# lists of its lists. Every face is one bitmap of the button's own size; a
# button whose state shows (the current view's tab, the chosen sort, mode or
# index tab) has an "on" face that is dark where the "off" face is light.
package Faces;

use strict;
use warnings;
use utf8;

use Canvas;

my $NAVY       = [16, 44, 99];
my $WHITE      = [255, 255, 255];
my $BLACK      = [0, 0, 0];
my $GREY       = [128, 128, 128];
my $TAB_OFF    = [66, 96, 146];
my $TAB_EDGE   = [128, 152, 196];
my $TAB_TEXT   = [236, 241, 250];
my $TAB_FRAME  = [40, 70, 120];
my $HEAD_TOP   = [240, 243, 249];
my $HEAD_FOOT  = [206, 214, 231];
my $HEAD_LINE  = [140, 156, 188];
my $HEAD_TEXT  = [36, 44, 72];
my $DOWN_TOP   = [118, 142, 188];
my $DOWN_FOOT  = [84, 110, 160];
my $PALE       = [236, 239, 247];
my $SIDE       = [220, 224, 238];
my $KEY_TOP    = [252, 252, 254];
my $KEY_FOOT   = [222, 227, 238];
my $KEY_FRAME  = [132, 142, 170];
my $KEY_LETTER = [84, 84, 104];
my $CARD       = [246, 248, 252];
my $CARD_BAND  = [214, 224, 242];
my $MAGENTA    = [255, 0, 255];
my $RED        = [200, 30, 30];
my $GREEN      = [30, 150, 40];
my $YELLOW     = [240, 200, 40];
my $BLUE       = [40, 80, 192];

my %PALETTE = (
    'k' => $BLACK, 'w' => $WHITE, 'g' => $GREY, 'n' => $NAVY, 'r' => $RED, 'G' => $GREEN,
    'y' => $YELLOW, 'b' => $BLUE, 'l' => [192, 192, 192], 'o' => [200, 120, 40], 'p' => [240, 192, 144],
    'c' => [90, 180, 230], 'd' => [170, 130, 20],
);

# ---- the kinds of faces --------------------------------------------------------

# A view tab on the title band; "on" is the white tab of the current view.
sub view_tab {
    my ($text, $on) = @_;
    my $c = Canvas->new(40, 16, $on ? $WHITE : $TAB_OFF);
    if ($on) {
        $c->hline(0, 39, 0, $TAB_FRAME);
        $c->vline(0, 0, 15, $TAB_FRAME);
        $c->vline(39, 0, 15, $TAB_FRAME);
    } else {
        $c->hline(0, 38, 0, $TAB_EDGE);
        $c->vline(0, 0, 15, $TAB_EDGE);
        $c->vline(39, 0, 15, $NAVY);
        $c->hline(0, 39, 15, $NAVY);
    }
    $c->text_centred($text, 1, 38, 8, $on ? $NAVY : $TAB_TEXT);
    return $c;
}

# A heading button 16 rows high; "on" is the chosen sort, sunk and marked.
sub heading {
    my ($text, $w, $on) = @_;
    my $c = Canvas->new($w, 16, $WHITE);
    if ($on) {
        $c->gradient(0, 0, $w - 1, 15, $DOWN_TOP, $DOWN_FOOT);
        $c->hline(0, $w - 1, 0, $NAVY);
        $c->vline(0, 0, 15, $NAVY);
        $c->text_centred($text, 0, $w - 1, 8, $WHITE);
        my $x = $w - 12;
        $c->stamp($x, 6, [qw(wwwwwww .wwwww. ..www.. ...w...)], \%PALETTE);
    } else {
        $c->gradient(0, 0, $w - 1, 15, $HEAD_TOP, $HEAD_FOOT);
        $c->hline(0, $w - 1, 15, $HEAD_LINE);
        $c->vline($w - 1, 0, 15, $HEAD_LINE);
        $c->text_centred($text, 0, $w - 1, 8, $HEAD_TEXT);
    }
    return $c;
}

# The column headings of the contact lists in the layout that shows a
# phone-kind column: one strip over the three buttons, its headings over the
# list's columns (80, 115 and 26 pixels wide).
sub contact_heading_strip {
    my $c = Canvas->new(238, 16, $WHITE);
    $c->gradient(0, 0, 237, 15, $HEAD_TOP, $HEAD_FOOT);
    $c->hline(0, 237, 15, $HEAD_LINE);
    # The strip starts one pixel left of the list's first column.
    my @columns = (['이름', 2, 81], ['전화번호', 82, 196], ['구분', 197, 223]);
    for my $column (@columns) {
        my ($text, $x0, $x1) = @$column;
        $c->vline($x1, 2, 13, $HEAD_LINE);
        $c->text_centred($text, $x0, $x1, 8, $HEAD_TEXT);
    }
    $c->vline(237, 0, 15, $HEAD_LINE);
    return $c;
}

# A tab of the initial-consonant index bar. Neighbours overlap by a column,
# the earlier one on top, so each tab's own edge is its right one.
sub index_tab {
    my ($text, $w, $on) = @_;
    my $c = Canvas->new($w, 16, $on ? $NAVY : $PALE);
    $c->hline(0, $w - 1, 0, $HEAD_LINE);
    $c->hline(0, $w - 1, 15, $HEAD_LINE);
    $c->vline(0, 0, 15, $HEAD_LINE);
    $c->vline($w - 1, 0, 15, $HEAD_LINE);
    $c->text_centred($text, 1, $w - 2, 8, $on ? $WHITE : $NAVY);
    return $c;
}

# A side tab: text stacked down a narrow column; "on" is the tab chosen.
sub side_tab {
    my ($text, $h, $on) = @_;
    my $c = Canvas->new(19, $h, $on ? $NAVY : $SIDE);
    $c->frame(0, 0, 18, $h - 1, $on ? $NAVY : $HEAD_LINE);
    $c->vline(1, 1, $h - 2, $on ? $TAB_FRAME : $WHITE);
    $c->text_stacked($text, 1, $h - 2, $on ? $WHITE : $HEAD_TEXT);
    return $c;
}

# A key of the on-screen keypad, its digit and the consonants it stands for.
sub key {
    my ($digit, $letters) = @_;
    my $c = key_blank();
    if (length $letters) {
        $c->text_centred($digit, 4, 17, 9, $NAVY);
        $c->text_centred($letters, 18, 66, 9, $KEY_LETTER);
    } else {
        $c->text_centred($digit, 0, 69, 9, $NAVY);
    }
    return $c;
}

sub key_blank {
    my $c = Canvas->new(70, 18, $WHITE);
    $c->gradient(1, 1, 68, 16, $KEY_TOP, $KEY_FOOT);
    $c->frame(0, 0, 69, 17, $KEY_FRAME);
    $c->set($_->[0], $_->[1], $WHITE) for ([0, 0], [69, 0], [0, 17], [69, 17]);
    return $c;
}

# A labelled keypad key with a mark before its text.
sub key_with_mark {
    my ($text, $mark) = @_;
    my $c = key_blank();
    my $width = 8 + Glyphs::text_width($text);
    my $x = int((70 - $width) / 2);
    $c->stamp($x, 5, $mark, \%PALETTE);
    $c->text_at($text, $x + 9, 9 - 8, $NAVY);
    return $c;
}

sub small_arrow {
    my ($rows) = @_;
    my $c = Canvas->new(12, 12, $WHITE);
    $c->stamp(0, 0, $rows, \%PALETTE);
    return $c;
}

sub icon {
    my ($w, $h, $background, $rows) = @_;
    my $c = Canvas->new($w, $h, $background);
    $c->stamp(0, 0, $rows, \%PALETTE);
    return $c;
}

sub card_background {
    my $c = Canvas->new(240, 150, $CARD);
    $c->gradient(0, 0, 239, 20, $CARD_BAND, $CARD);
    $c->hline(0, 239, 0, $NAVY);
    $c->hline(4, 235, 60, $HEAD_LINE);
    $c->fill(2, 62, 21, 131, $PALE);
    $c->hline(4, 235, 133, $HEAD_LINE);
    $c->stamp(5, 3, [qw(
        ....kkkkk.... ...kpppppk... ...kpppppk... ...kpppppk... ....kpppk....
        .....kkk..... ..kkbbbbbkk.. .kbbbbbbbbbk. .kbbbbbbbbbk. .kbbbbbbbbbk.
        .kkkkkkkkkkk.)], \%PALETTE);
    return $c;
}

# ---- the pictures of the small icons -------------------------------------------

my %picture = (
    prev => [qw(
        ............ ............ ........g... .......gg... ......g.g...
        .....g..g... ......g.g... .......gg... ........g... ............
        ............ ............)],
    mobile => [qw(
        ......k...... ......k...... ...kkkkk..... ...kccck..... ...kccck.....
        ...kkkkk..... ...kgwgk..... ...kwgwk..... ...kgwgk..... ...kwgwk.....
        ...kkkkk..... .............)],
    office => [qw(
        ..kkk........ .kk.kk....... .k...kkkkkk.. .k...klllll.. .k...kkkkkk..
        .k...kllll... .k...kllll... .k...kllll... .kk.kkllll... ..kkk.kkkk...
        ............. .............)],
    home => [qw(
        ......k...... .....krk..... ....krrrk.... ...krrrrrk... ..krrrrrrrk..
        ...kwwwwwk... ...kwwwoowk.. ...kwcwoowk.. ...kwwwoowk.. ...kkkkkkkk..
        ............. .............)],
    mail => [qw(
        ............. ............. .kkkkkkkkkkk. .kwkwwwwwkwk. .kwwkwwwkwwk.
        .kwwwkwkwwwk. .kwwwwkwwwwk. .kwwwwwwwwwk. .kkkkkkkkkkk. .............
        ............. .............)],
    bell => [qw(
        ................ .......kk....... ......kyyk...... .....kyyyyk.....
        ....kyyyyyyk.... ....kyyyyyyk.... ....kyyyyyyk.... ....kyyyyyyk....
        ...kyyyyyyyyk... ..kyyyyyyyyyyk.. ..kkkkkkkkkkkk.. ......kddk......
        .......kk....... ................ ................ ................)],
    repeat => [qw(
        ................ ......GGGG...... ....GG....GG.... ...G........G...
        ..G..........G.. ..G.........GGG. ..G..........G.. ................
        ..G............. .GGG.........G.. ..G..........G.. ...G........G...
        ....GG....GG.... ......GGGG...... ................ ................)],
    done => [qw(
        ................ ................ .............G.. ............GG..
        ...........GG... ..........GG.... ..G......GG..... ..GG....GG......
        ...GG..GG....... ....GGGG........ .....GG......... ................
        ................ ................ ................ ................)],
    magnifier => [qw(
        .................... .................... .....kkkkk.......... ....kccccck.........
        ...kcwwcccck........ ...kcwccccck........ ...kccccccck........ ...kccccccck........
        ...kccccccck........ ....kcccccck........ .....kkkkkkk........ ..........kkk.......
        ...........kkk...... ............kkk..... .............kkk.... ..............kk....
        .................... .................... .................... ....................)],
    pick => [qw(
        ................ ................ ................ ................
        ................ .....nnnnnn..... .....nccccn..... .....nccccn.....
        .....nccccn..... .....nccccn..... .....nnnnnn..... ................
        ................ ................ ................ ................)],
    sort_off => [qw(
        ................ ................ ................ ................
        ......gggg...... .....g....g..... ....g......g.... ....g......g....
        ....g......g.... ....g......g.... .....g....g..... ......gggg......
        ................ ................ ................ ................)],
    sort_on => [qw(
        ................ ................ ................ ................
        ......nnnn...... .....nnnnnn..... ....nnnnnnwn.... ....nnnnnwwn....
        ....nwnnwwnn.... ....nwwwwnnn.... .....nwwnnn..... ......nnnn......
        ................ ................ ................ ................)],
);
$picture{next} = [map { scalar reverse $_ } @{$picture{prev}}];

# The task rows' marks on magenta: high and low importance, open and ticked
# check boxes, 16 pixels each.
sub task_row_images {
    my $c = Canvas->new(64, 16, $MAGENTA);
    $c->stamp(0, 0, [qw(
        ................ .......rr....... .......rr....... .......rr.......
        .......rr....... .......rr....... .......rr....... .......rr.......
        .......rr....... ................ .......rr....... .......rr.......
        ................ ................ ................ ................)], \%PALETTE);
    $c->stamp(16, 0, [qw(
        ................ .......bb....... .......bb....... .......bb.......
        .......bb....... .......bb....... ...b...bb...b... ....b..bb..b....
        .....b.bb.b..... ......bbbb...... .......bb....... ................
        ................ ................ ................ ................)], \%PALETTE);
    for my $ticked (0, 1) {
        my $x = 32 + 16 * $ticked;
        $c->fill($x + 2, 2, $x + 12, 12, $WHITE);
        $c->frame($x + 2, 2, $x + 12, 12, $GREY);
        $c->stamp($x + 3, 3, [qw(
            ........k ........k .......kk k.....kk. kk...kk.. .kk.kk... ..kkk.... ...k.....)], \%PALETTE)
            if $ticked;
    }
    return $c;
}

# ---- the faces by number ----------------------------------------------------------

# [number, name, picture]; names become the constants of faces.h.
sub all {
    my @faces;
    my $add = sub { push @faces, [@_] };

    my @tabs = ([106, 108, 'CONTACT', '연락처'], [109, 110, 'SEARCH', '검색'], [111, 112, 'COMPANY', '회사'],
                [113, 114, 'GROUP', '그룹'], [115, 116, 'SCHEDULE', '일정'], [199, 198, 'ANNIVERSARY', '기념일'],
                [314, 315, 'TASK', '작업'], [357, 356, 'MEMO', '메모']);
    for my $t (@tabs) {
        $add->($t->[0], "TAB_$t->[2]_ON", view_tab($t->[3], 1));
        $add->($t->[1], "TAB_$t->[2]_OFF", view_tab($t->[3], 0));
    }
    my $end = Canvas->new(4, 16, $TAB_OFF);
    $end->hline(0, 3, 0, $TAB_EDGE);
    $end->hline(0, 3, 15, $NAVY);
    $end->vline(3, 0, 15, $NAVY);
    $add->(120, 'TAB_END', $end);

    $add->(299, 'MARK_REMINDER', icon(16, 16, $WHITE, $picture{bell}));
    $add->(300, 'MARK_REPEAT', icon(16, 16, $WHITE, $picture{repeat}));
    $add->(322, 'MARK_DONE', icon(16, 16, $WHITE, $picture{done}));

    $add->(117, 'COLUMN_NAME', heading('이름', 51, 0));
    $add->(118, 'COLUMN_MOBILE', heading('휴대폰', 89, 0));
    $add->(119, 'COLUMN_OFFICE', heading('회사전화', 98, 0));
    my $strip = contact_heading_strip();
    $add->(346, 'COLUMN_KIND_NAME', $strip->slice(0, 50));
    $add->(347, 'COLUMN_KIND_PHONE', $strip->slice(51, 139));
    $add->(348, 'COLUMN_KIND_MARK', $strip->slice(140, 237));

    my @card_tabs = ([423, 422, 'SCHEDULE', '일정'], [425, 424, 'TASK', '작업'], [427, 426, 'MEMO', '메모']);
    for my $t (@card_tabs) {
        $add->($t->[0], "CARD_TAB_$t->[2]_ON", view_tab($t->[3], 1));
        $add->($t->[1], "CARD_TAB_$t->[2]_OFF", view_tab($t->[3], 0));
    }
    $add->(156, 'CARD_SCHEDULE_DATE', heading('일자', 106, 0));
    $add->(157, 'CARD_SCHEDULE_TEXT', heading('내용', 132, 0));
    $add->(323, 'CARD_TASK_TITLE', heading('제목', 148, 0));
    $add->(324, 'CARD_TASK_PERIOD', heading('기간', 90, 0));
    $add->(367, 'CARD_MEMO_TITLE_ON', heading('제목', 106, 1));
    $add->(358, 'CARD_MEMO_TITLE_OFF', heading('제목', 106, 0));
    $add->(368, 'CARD_MEMO_DATE_ON', heading('일자', 132, 1));
    $add->(359, 'CARD_MEMO_DATE_OFF', heading('일자', 132, 0));
    $add->(158, 'CARD_BACKGROUND', card_background());
    $add->(428, 'CARD_MOBILE', icon(13, 12, $PALE, $picture{mobile}));
    $add->(429, 'CARD_OFFICE', icon(13, 12, $PALE, $picture{office}));
    $add->(430, 'CARD_HOME', icon(13, 12, $PALE, $picture{home}));
    $add->(431, 'CARD_MAIL', icon(13, 12, $PALE, $picture{mail}));

    $add->(138, 'INDEX_ALL_ON', index_tab('전체', 28, 1));
    $add->(140, 'INDEX_ALL_OFF', index_tab('전체', 28, 0));
    my @consonants = split //, 'ㄱㄴㄷㄹㅁㅂㅅㅇㅈㅊㅋㅌㅍㅎ';
    for my $k (1 .. 14) {
        $add->(140 + $k, "INDEX_CONSONANT_${k}_ON", index_tab($consonants[$k - 1], 14, 1));
        $add->(123 + $k, "INDEX_CONSONANT_${k}_OFF", index_tab($consonants[$k - 1], 14, 0));
    }
    $add->(155, 'INDEX_SEARCH_ON', index_tab('검색', 29, 1));
    $add->(139, 'INDEX_SEARCH_OFF', index_tab('검색', 29, 0));
    my $search = Canvas->new(20, 20, $PALE);
    $search->frame(0, 0, 19, 19, $HEAD_LINE);
    $search->stamp(0, 0, $picture{magnifier}, \%PALETTE);
    $add->(379, 'SEARCH_BUTTON', $search);

    # Keys 1-9 and 0: the phone-number faces, then the four keypad layouts
    # with the consonants each digit stands for.
    my @digits = (1 .. 9, 0);
    my %key_faces = (
        PHONE   => [184 .. 191, 183, 200],
        BASIC   => [268 .. 275, 266, 267],
        SAMSUNG => [288 .. 295, 286, 287],
        LGHP    => [163 .. 170, 171, 162],
        POSE    => [278 .. 285, 276, 277],
    );
    my %letters = (
        PHONE   => [('') x 10],
        BASIC   => ['ㄱ', 'ㄴㄷㄹ', 'ㅁ', 'ㅂ', 'ㅅ', 'ㅇ', 'ㅈ', 'ㅊ', 'ㅋㅌㅍ', 'ㅎ'],
        SAMSUNG => ['', '', '', 'ㄱㅋ', 'ㄴㄹ', 'ㄷㅌ', 'ㅂㅍ', 'ㅅㅎ', 'ㅈㅊ', 'ㅁㅇ'],
        LGHP    => ['ㄱㅋ', 'ㄴㄷㅌ', '', 'ㄹ', 'ㅁㅂㅍ', '', 'ㅅㅈㅊ', 'ㅇㅎ', '', ''],
        POSE    => ['ㄱㅋ', 'ㄴㄹ', 'ㄷㅌ', '', 'ㅇㅎ', '', 'ㅂㅍ', '', 'ㅈㅊ', 'ㅁㅅ'],
    );
    for my $layout (qw(PHONE BASIC SAMSUNG LGHP POSE)) {
        for my $i (0 .. 9) {
            $add->($key_faces{$layout}[$i], "KEY_${layout}_$digits[$i]", key($digits[$i], $letters{$layout}[$i]));
        }
    }
    $add->(173, 'KEY_BACK', key_with_mark('지움', [qw(...n.... ..nn.... .nnnnnnn nnnnnnnn .nnnnnnn ..nn.... ...n....)]));
    $add->(172, 'KEY_FIELD', key_with_mark('항목', [qw(..nnnn.. .n....n. n......n n......n nnn...n. .n...... ........)]));

    my @sides = ([361, 360, 'SEARCH', '검색', 35], [310, 311, 'COMPANY', '회사', 34], [312, 313, 'GROUP', '그룹', 35],
                 [334, 335, 'DAY', '일', 35], [336, 337, 'WEEK', '주', 34], [338, 339, 'MONTH', '월', 35],
                 [376, 375, 'BY_CATEGORY', '분류별', 52], [418, 417, 'BY_FOLDER', '폴더별', 52],
                 [378, 377, 'BY_DATE', '일자별', 52]);
    for my $s (@sides) {
        $add->($s->[0], "SIDE_$s->[2]_ON", side_tab($s->[3], $s->[4], 1));
        $add->($s->[1], "SIDE_$s->[2]_OFF", side_tab($s->[3], $s->[4], 0));
    }

    $add->(194, 'SCHEDULE_DATE', heading('일자', 106, 0));
    $add->(193, 'SCHEDULE_TEXT', heading('내용', 132, 0));
    $add->(421, 'MONTH_PREVIOUS', small_arrow($picture{prev}));
    $add->(420, 'MONTH_NEXT', small_arrow($picture{next}));

    $add->(432, 'ANNIVERSARY_TITLE_ON', heading('제목', 128, 1));
    $add->(201, 'ANNIVERSARY_TITLE_OFF', heading('제목', 128, 0));
    $add->(433, 'ANNIVERSARY_DATE_ON', heading('일자', 110, 1));
    $add->(202, 'ANNIVERSARY_DATE_OFF', heading('일자', 110, 0));

    $add->(316, 'TASK_TITLE', heading('제목', 148, 0));
    $add->(317, 'TASK_PERIOD', heading('기간', 90, 0));

    $add->(365, 'MEMO_TITLE_ON', heading('제목', 106, 1));
    $add->(363, 'MEMO_TITLE_OFF', heading('제목', 106, 0));
    $add->(366, 'MEMO_DATE_ON', heading('일자', 132, 1));
    $add->(364, 'MEMO_DATE_OFF', heading('일자', 132, 0));

    return @faces;
}

# The image lists' strips: [number, name, picture].
sub image_strips {
    my $pick = icon(16, 16, $WHITE, $picture{pick});
    my $sort = Canvas->new(32, 16, $WHITE);
    $sort->stamp(0, 0, $picture{sort_off}, \%PALETTE);
    $sort->stamp(16, 0, $picture{sort_on}, \%PALETTE);
    return ([161, 'PICK_IMAGES', $pick], [318, 'TASK_ROW_IMAGES', task_row_images()],
            [319, 'TASK_SORT_IMAGES', $sort]);
}

1;
