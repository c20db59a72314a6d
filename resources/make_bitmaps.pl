#!/usr/bin/perl
# Writes the main program's bitmaps and icon into the folder given:
#   toolbar.bmp  bitmap 105, 28 images of 16 x 16 side by side, magenta mask
#   ok.bmp       bitmap 122, the 50 x 20 face of the "확인" button
#   cancel.bmp   bitmap 372, the 50 x 20 face of the "취소" button (at the end)
#   quillon.ico  icon 101, 32 x 32 and 16 x 16
#   faces/N.bmp  the faces of the main window's buttons and the strips of its
#                small image lists (bitmaps/Faces.pm), with faces.rc naming
#                them for the resource script and faces.h for the code
# The pictures are drawn here as text, one character per pixel.
use strict;
use warnings;
use FindBin;
use lib "$FindBin::Bin/bitmaps";

use Faces;

my $out = shift or die "usage: make_bitmaps.pl OUTPUT_DIR\n";
-d $out or mkdir $out or die "cannot make $out: $!\n";

my %palette = (
    '.' => [255, 0, 255],   # mask
    'k' => [0, 0, 0],
    'w' => [255, 255, 255],
    'g' => [128, 128, 128],
    'l' => [192, 192, 192],
    'r' => [200, 30, 30],
    'b' => [40, 80, 192],
    'n' => [16, 44, 99],
    'y' => [240, 208, 0],
    'G' => [30, 150, 40],
    'o' => [200, 120, 40],
    'c' => [90, 180, 230],
    'p' => [240, 192, 144],
);

# ---- pictures of the toolbar ------------------------------------------------

my %base = (
    person => [qw(
        ................ .....kkkkk...... ....kpppppk..... ....kpppppk.....
        ....kpppppk..... ....kpppppk..... .....kpppk...... ......kkk.......
        ...kkbbbbbkk.... ..kbbbbbbbbbk... ..kbbbbbbbbbk... ..kbbbbbbbbbk...
        ..kbbbbbbbbbk... ..kkkkkkkkkkk... ................ ................)],
    page => [qw(
        ................ ..kkkkkkkk...... ..kwwwwwwkk..... ..kwwwwwwkwk....
        ..kwggggwkkkk... ..kwwwwwwwwwk... ..kwggggggwwk... ..kwwwwwwwwwk...
        ..kwggggggwwk... ..kwwwwwwwwwk... ..kwggggggwwk... ..kwwwwwwwwwk...
        ..kwwwwwwwwwk... ..kwwwwwwwwwk... ..kkkkkkkkkkk... ................)],
    calendar => [qw(
        ................ ...kk....kk..... .kkkkkkkkkkkkk.. .krrrrrrrrrrrk..
        .krrrrrrrrrrrk.. .kkkkkkkkkkkkk.. .kwwwwwwwwwwwk.. .kwgwgwgwgwgwk..
        .kwwwwwwwwwwwk.. .kwgwgwgwgwgwk.. .kwwwwwwwwwwwk.. .kwgwgwgwgwgwk..
        .kwwwwwwwwwwwk.. .kkkkkkkkkkkkk.. ................ ................)],
    today => [qw(
        ................ ...kk....kk..... .kkkkkkkkkkkkk.. .krrrrrrrrrrrk..
        .krrrrrrrrrrrk.. .kkkkkkkkkkkkk.. .kwwwwwwwwwwwk.. .kwgwgwgwgwgwk..
        .kwwwwwwwwwwwk.. .kwgwgwkkkwgwk.. .kwwwwwkrkwwwk.. .kwgwgwkkkwgwk..
        .kwwwwwwwwwwwk.. .kkkkkkkkkkkkk.. ................ ................)],
    clipboard => [qw(
        ................ ......kkkk...... ..kkkkkwwkkkkk.. ..kookkkkkkook..
        ..kowwwwwwwwok.. ..kowGwwggggok.. ..kowwwwwwwwok.. ..kowGwwggggok..
        ..kowwwwwwwwok.. ..kowGwwggggok.. ..kowwwwwwwwok.. ..kowwwwwwwwok..
        ..kooooooooook.. ..kkkkkkkkkkkk.. ................ ................)],
    mobile => [qw(
        ..........k..... ..........k..... .....kkkkkkk.... .....kccccck....
        .....kccccck.... .....kccccck.... .....kkkkkkk.... .....kgwgwgk....
        .....kgggggk.... .....kgwgwgk.... .....kgggggk.... .....kgwgwgk....
        .....kgggggk.... .....kkkkkkk.... ................ ................)],
    home => [qw(
        ................ .......kk....... ......krrk...... .....krrrrk.....
        ....krrrrrrk.... ...krrrrrrrrk... ..kkkkkkkkkkkk.. ...kwwwwwwwwk...
        ...kwccwwwwwk... ...kwccwwoowk... ...kwwwwwoowk... ...kwwwwwoowk...
        ...kwwwwwoowk... ...kkkkkkkkkk... ................ ................)],
    office => [qw(
        ................ ....kkkkkkkk.... ....kllllllk.... ....klcllclk....
        ....kllllllk.... ....klcllclk.... ....kllllllk.... ....klcllclk....
        ....kllllllk.... ....klcllclk.... ....kllllllk.... ....kllkkllk....
        ....kllkkllk.... ..kkkkkkkkkkkk.. ................ ................)],
    envelope => [qw(
        ................ ................ ................ .kkkkkkkkkkkkkk.
        .kwkwwwwwwwwkwk. .kwwkwwwwwwkwwk. .kwwwkwwwwkwwwk. .kwwwwkwwkwwwwk.
        .kwwwwwkkwwwwwk. .kwwwwwwwwwwwwk. .kwwwwwwwwwwwwk. .kwwwwwwwwwwwwk.
        .kkkkkkkkkkkkkk. ................ ................ ................)],
    card => [qw(
        ................ ................ .kkkkkkkkkkkkkk. .kbbbbbbbbbbbbk.
        .kwwwwwwwwwwwwk. .kwppwwggggggwk. .kwppwwwwwwwwwk. .kwppwwggggwwwk.
        .kwwwwwwwwwwwwk. .kwggggggggggwk. .kwwwwwwwwwwwwk. .kwggggggggwwwk.
        .kwwwwwwwwwwwwk. .kkkkkkkkkkkkkk. ................ ................)],
    up => [qw(
        ................ .......k........ ......kbk....... .....kbbbk......
        ....kbbbbbk..... ...kbbbbbbbk.... ..kkkkbbbkkkk... .....kbbbk......
        .....kbbbk...... .....kbbbk...... .....kbbbk...... .....kbbbk......
        .....kkkkk...... ................ ................ ................)],
    back => [qw(
        ................ ................ ....k........... ...kbk..........
        ..kbbkkkkkkk.... .kbbbbbbbbbbk... ..kbbkkkkkkbbk.. ...kbk.....kbk..
        ....k......kbk.. ...........kbk.. ..........kbbk.. .....kkkkkbbk...
        .....kbbbbbk.... .....kkkkkk..... ................ ................)],
    left => [qw(
        ................ ................ ...........k.... ..........kk....
        .........kbk.... ........kbbk.... .......kbbbk.... ......kbbbbk....
        ......kbbbbk.... .......kbbbk.... ........kbbk.... .........kbk....
        ..........kk.... ...........k.... ................ ................)],
    check => [qw(
        ................ ................ .............k.. ............kGk.
        ...........kGGk. ..........kGGk.. ..k......kGGk... .kGk....kGGk....
        .kGGk..kGGk..... ..kGGkkGGk...... ...kGGGGk....... ....kGGk........
        .....kk......... ................ ................ ................)],
    blank => [('................') x 16],
);

# 7 x 7 marks drawn over a picture's lower right corner.
my %mark = (
    plus   => [qw(..kkk.. ..kGk.. kkkGkkk kGGGGGk kkkGkkk ..kGk.. ..kkk..)],
    pencil => [qw(.....kk ....kyk ...kyk. ..kyk.. .kyk... kkk.... kk.....)],
    cross  => [qw(kk...kk krk.krk .krkrk. ..krk.. .krkrk. krk.krk kk...kk)],
    go     => [qw(...k... ...kk.. kkkkbk. kbbbbbk kkkkbk. ...kk.. ...k...)],
);

sub mirror { [map { scalar reverse $_ } @{$_[0]}] }
sub flip   { [reverse @{$_[0]}] }

sub marked {
    my ($picture, $mark) = @_;
    my @rows = @$picture;
    my @m = @{$mark{$mark}};
    for my $y (0 .. 6) {
        for my $x (0 .. 6) {
            my $c = substr($m[$y], $x, 1);
            substr($rows[9 + $y], 9 + $x, 1) = $c if $c ne '.';
        }
    }
    return \@rows;
}

# The toolbar images by index; the ones not listed stay empty.
my %toolbar = (
    0  => marked($base{person}, 'plus'),
    1  => marked($base{person}, 'pencil'),
    2  => marked($base{person}, 'cross'),
    3  => $base{mobile},
    6  => $base{envelope},
    7  => $base{card},
    8  => $base{up},
    9  => flip($base{up}),
    10 => $base{back},
    14 => $base{left},
    15 => mirror($base{left}),
    16 => $base{today},
    17 => marked($base{page}, 'plus'),
    18 => marked($base{page}, 'pencil'),
    19 => marked($base{page}, 'cross'),
    20 => $base{check},
    21 => marked($base{person}, 'go'),
    22 => marked($base{calendar}, 'go'),
    23 => marked($base{clipboard}, 'go'),
    25 => $base{home},
    26 => $base{office},
);

# ---- the "확인" button ---------------------------------------------------------

my @hwak = qw(
    ..x......x.. xxxxx....x.. .xxx.....x.. x...x....xxx .xxx.....x.. ..x......x..
    xxxxx....x.. .........x.. xxxxxxxxx... ........x... ........x... ........x...);
my @in = qw(
    .xxx....x... x...x...x... x...x...x... x...x...x... .xxx....x... ........x...
    ........x... .x.......... .x.......... .x.......... .xxxxxxxx... ............);

sub button_face {
    my ($w, $h) = (50, 20);
    my @px;
    for my $y (0 .. $h - 1) {
        for my $x (0 .. $w - 1) {
            my $edge = $x == 0 || $y == 0 || $x == $w - 1 || $y == $h - 1;
            my $light = $x == 1 || $y == 1;
            my $shade = $x == $w - 2 || $y == $h - 2;
            $px[$y][$x] = $edge ? [16, 44, 99] : $light ? [255, 255, 255] : $shade ? [120, 140, 180]
                                                                                     : [200, 212, 236];
        }
    }
    my ($top, $left) = (4, 11);
    for my $glyph ([\@hwak, $left], [\@in, $left + 15]) {
        my ($rows, $x0) = @$glyph;
        for my $y (0 .. $#$rows) {
            for my $x (0 .. length($rows->[$y]) - 1) {
                $px[$top + $y][$x0 + $x] = [0, 0, 0] if substr($rows->[$y], $x, 1) eq 'x';
            }
        }
    }
    return ($w, $h, \@px);
}

# ---- writers -----------------------------------------------------------------

sub write_bmp {
    my ($path, $w, $h, $px) = @_;
    my $stride = ($w * 3 + 3) & ~3;
    my $data = '';
    for my $y (reverse 0 .. $h - 1) {
        my $row = join '', map { pack 'C3', $_->[2], $_->[1], $_->[0] } @{$px->[$y]};
        $data .= $row . ("\0" x ($stride - $w * 3));
    }
    my $header = pack('a2 V v v V', 'BM', 54 + length $data, 0, 0, 54)
               . pack('V l l v v V V l l V V', 40, $w, $h, 1, 24, 0, length $data, 2835, 2835, 0, 0);
    open my $f, '>:raw', $path or die "cannot write $path: $!\n";
    print $f $header, $data;
    close $f;
}

sub toolbar_strip {
    my ($count, $size) = (28, 16);
    my @px;
    for my $i (0 .. $count - 1) {
        my $rows = $toolbar{$i} // $base{blank};
        @$rows == $size or die "toolbar image $i has " . scalar(@$rows) . " rows\n";
        for my $y (0 .. $size - 1) {
            length($rows->[$y]) == $size or die "toolbar image $i row $y is not $size wide\n";
            for my $x (0 .. $size - 1) {
                my $c = substr($rows->[$y], $x, 1);
                my $rgb = $palette{$c} or die "toolbar image $i: unknown colour '$c'\n";
                $px[$y][$i * $size + $x] = $rgb;
            }
        }
    }
    return ($count * $size, $size, \@px);
}

# The icon: a navy diary with white pages and a red ribbon; [r, g, b, a].
sub diary_pixels {
    my ($n) = @_;
    my $s = $n / 32;
    my @px;
    for my $y (0 .. $n - 1) {
        for my $x (0 .. $n - 1) {
            my ($u, $v) = ($x / $s, $y / $s);
            my $p = [0, 0, 0, 0];
            if ($u >= 5 && $u < 28 && $v >= 3 && $v < 30) {
                $p = [16, 44, 99, 255];
                $p = [255, 255, 255, 255] if $u >= 24 && $v >= 5 && $v < 28;
                $p = [99, 125, 165, 255] if $u >= 5 && $u < 8;
                $p = [255, 255, 255, 255] if $u >= 11 && $u < 21 && $v >= 8 && $v < 13;
                $p = [200, 30, 30, 255] if $u >= 17 && $u < 20 && $v >= 20;
            }
            $px[$y][$x] = $p;
        }
    }
    return \@px;
}

sub icon_image {
    my ($n) = @_;
    my $px = diary_pixels($n);
    my $xor = '';
    my $and = '';
    my $mask_stride = (($n + 31) >> 5) * 4;
    for my $y (reverse 0 .. $n - 1) {
        my @bits = (0) x ($mask_stride * 8);
        for my $x (0 .. $n - 1) {
            my ($r, $g, $b, $a) = @{$px->[$y][$x]};
            $xor .= pack 'C4', $b, $g, $r, $a;
            $bits[$x] = $a ? 0 : 1;
        }
        $and .= pack 'B*', join '', @bits;
    }
    my $header = pack('V l l v v V V l l V V', 40, $n, 2 * $n, 1, 32, 0, length($xor) + length($and), 0, 0, 0, 0);
    return $header . $xor . $and;
}

sub write_icon {
    my ($path, @sizes) = @_;
    my @images = map { icon_image($_) } @sizes;
    my $offset = 6 + 16 * @sizes;
    my $dir = pack 'v3', 0, 1, scalar @sizes;
    for my $i (0 .. $#sizes) {
        $dir .= pack 'C4 v2 V2', $sizes[$i], $sizes[$i], 0, 0, 1, 32, length $images[$i], $offset;
        $offset += length $images[$i];
    }
    open my $f, '>:raw', $path or die "cannot write $path: $!\n";
    print $f $dir, @images;
    close $f;
}

sub write_faces {
    my ($dir) = @_;
    -d "$dir/faces" or mkdir "$dir/faces" or die "cannot make $dir/faces: $!\n";
    my @faces = sort { $a->[0] <=> $b->[0] } (Faces::all(), Faces::image_strips());
    my (%number, %name);
    for my $face (@faces) {
        my ($number, $name, $picture) = @$face;
        die "bitmap $number drawn twice\n" if $number{$number}++;
        die "name $name given twice\n" if $name{$name}++;
        write_bmp("$dir/faces/$number.bmp", $picture->width, $picture->height, $picture->pixels);
    }
    my $generated = 'Written by make_bitmaps.pl; change the pictures there.';
    open my $rc, '>:raw', "$dir/faces.rc" or die "cannot write $dir/faces.rc: $!\n";
    print $rc "// $generated\n";
    printf $rc "%-4d BITMAP \"resources/faces/%d.bmp\"\n", $_->[0], $_->[0] for @faces;
    close $rc;
    open my $h, '>:raw', "$dir/faces.h" or die "cannot write $dir/faces.h: $!\n";
    print $h "// The bitmaps of the main window's button faces and image lists.\n// $generated\n#pragma once\n\n";
    printf $h "#define IDB_%-28s %d  // %d x %d\n", $_->[1], $_->[0], $_->[2]->width, $_->[2]->height for @faces;
    close $h;
}

write_bmp("$out/toolbar.bmp", toolbar_strip());
write_bmp("$out/ok.bmp", button_face());
write_icon("$out/quillon.ico", 32, 16);
write_faces($out);

# ---- the Today item's icon strips (read from \Windows by Glimmor) ---------------
#   Glimmor12.bmp  28 images of 12 x 12: marks of the rows (reminder, importance,
#                  months 1-12 at 6-17, scroll arrows at 18-19, task boxes at
#                  24-25, recurring at 26, memo at 27)
#   Glimmor16.bmp  34 images of 16 x 16: the title bar (program, previous,
#                  today, next), the four view modes and their pressed faces at
#                  4-11, the menu mark at 12, battery, memory and storage at 29-31

sub today_item_bitmaps {
    my ($dir) = @_;
    my %digit = (
        0 => [qw(xxx x.x x.x x.x xxx)], 1 => [qw(.x. xx. .x. .x. xxx)], 2 => [qw(xxx ..x xxx x.. xxx)],
        3 => [qw(xxx ..x .xx ..x xxx)], 4 => [qw(x.x x.x xxx ..x ..x)], 5 => [qw(xxx x.. xxx ..x xxx)],
        6 => [qw(xxx x.. xxx x.x xxx)], 7 => [qw(xxx ..x .x. .x. .x.)], 8 => [qw(xxx x.x xxx x.x xxx)],
        9 => [qw(xxx x.x xxx ..x xxx)],
    );
    my $month = sub {
        my ($m) = @_;
        my @rows = map { my $y = $_; join '', map { ($y == 0 || $y == 11 || $_ == 0 || $_ == 11) ? 'n' : 'w' } 0 .. 11 }
            0 .. 11;
        my @digits = split //, $m;
        my $x0 = @digits == 1 ? 4 : 2;
        for my $d (@digits) {
            for my $y (0 .. 4) {
                for my $x (0 .. 2) {
                    substr($rows[3 + $y], $x0 + $x, 1) = 'r' if substr($digit{$d}[$y], $x, 1) eq 'x';
                }
            }
            $x0 += 4;
        }
        return \@rows;
    };
    my %small = (
        1 => [qw(.....kk..... ....kyyk.... ...kyyyyk... ...kyyyyk... ...kyyyyk... ..kyyyyyyk..
                 ..kyyyyyyk.. .kyyyyyyyyk. .kkkkkkkkkk. .....kk..... ............ ............)],
        2 => [qw(....krrk.... ....krrk.... ....krrk.... ....krrk.... ....krrk.... ....krrk....
                 .....kk..... ............ ....krrk.... ....krrk.... .....kk..... ............)],
        4 => [qw(.....bb..... .....bb..... .....bb..... .....bb..... .....bb..... ..bbbbbbbb..
                 ...bbbbbb... ....bbbb.... .....bb..... ............ ............ ............)],
        18 => [qw(gggggggggggg glllllllllll gllllkklllll glllkkkkllll gllkkkkkklll glkkkkkkkkll
                  glllllllllll glllllllllll glllllllllll glllllllllll glllllllllll gggggggggggg)],
        24 => [qw(............ .kkkkkkkkkk. .kwwwwwwwwk. .kwwwwwwwwk. .kwwwwwwwwk. .kwwwwwwwwk.
                  .kwwwwwwwwk. .kwwwwwwwwk. .kwwwwwwwwk. .kwwwwwwwwk. .kkkkkkkkkk. ............)],
        25 => [qw(............ .kkkkkkkkkk. .kwwwwwwwGk. .kwwwwwwGGk. .kwwwwwGGwk. .kGwwwGGwwk.
                  .kGGwGGwwwk. .kwGGGwwwwk. .kwwGwwwwwk. .kwwwwwwwwk. .kkkkkkkkkk. ............)],
        26 => [qw(............ ....bbbb.... ..bb....b... .b.......b.. .b......bbb. .b.......b..
                  ..b.......b. .bbb......b. ..b.......b. ...b....bb.. ....bbbb.... ............)],
        27 => [qw(.kkkkkkk.... .kwwwwwkk... .kwwwwwkwk.. .kwggggkkkk. .kwwwwwwwk.. .kwggggggk..
                  .kwwwwwwwk.. .kwggggggk.. .kwwwwwwwk.. .kwggggggk.. .kwwwwwwwk.. .kkkkkkkkk..)],
    );
    @{$small{19}} = ($small{18}[0], reverse(@{$small{18}}[1 .. 10]), $small{18}[11]);
    $small{$_ + 5} = $month->($_) for 1 .. 12;

    my %large = (
        0  => [qw(................ ...nnnnnnnnnn... ...nwwwwwwwnw... ...nwnnnnnwnw... ...nwwwwwwwnw...
                  ...nwwwwwwwnw... ...nwnnnnnwnw... ...nwwwwwwwnw... ...nwwwwwwwnw... ...nwwwwwwwnw...
                  ...nwwwwwrwnw... ...nwwwwwrwnw... ...nwwwwwrwnw... ...nnnnnnnnnn... ................
                  ................)],
        1  => [qw(................ ................ .........k...... ........kk...... .......kbk......
                  ......kbbk...... .....kbbbk...... ....kbbbbk...... ....kbbbbk...... .....kbbbk......
                  ......kbbk...... .......kbk...... ........kk...... .........k...... ................
                  ................)],
        2  => [qw(................ ................ .....kkkkkk..... ....kkrrrrkk.... ...kkrrrrrrkk...
                  ...krrrrrrrrk... ...krrrrrrrrk... ...krrrrrrrrk... ...krrrrrrrrk... ...kkrrrrrrkk...
                  ....kkrrrrkk.... .....kkkkkk..... ................ ................ ................
                  ................)],
        12 => [qw(................ ................ ................ ................ ................
                  ...kkkkkkkkk.... ....kkkkkkk..... .....kkkkk...... ......kkk....... .......k........
                  ................ ................ ................ ................ ................
                  ................)],
        29 => [qw(................ ................ ................ ..kkkkkkkkkkk... ..kGGGGGGGwwk...
                  ..kGGGGGGGwwkk.. ..kGGGGGGGwwkk.. ..kGGGGGGGwwkk.. ..kGGGGGGGwwk... ..kkkkkkkkkkk...
                  ................ ................ ................ ................ ................
                  ................)],
        30 => [qw(................ ...k.k.k.k.k.... ...k.k.k.k.k.... ..kkkkkkkkkkk... ..kgggggggggk...
                  ..kgkkkgkkkgk... ..kgkkkgkkkgk... ..kgggggggggk... ..kkkkkkkkkkk... ...k.k.k.k.k....
                  ...k.k.k.k.k.... ................ ................ ................ ................
                  ................)],
        31 => [qw(................ ....kkkkkkk..... ...kbbbbbbbk.... ..kbybybybbk.... ..kbybybybbk....
                  ..kbbbbbbbbk.... ..kbbbbbbbbk.... ..kbwwwwwwbk.... ..kbwwwwwwbk.... ..kbbbbbbbbk....
                  ..kkkkkkkkkk.... ................ ................ ................ ................
                  ................)],
    );
    $large{3} = [map { scalar reverse $_ } @{$large{1}}];
    my %mode = (
        0 => [qw(................ ..kkkkkkkkkkkk.. ..krrrrrrrrrrk.. ..kkkkkkkkkkkk.. ..kwkwkwkwkwkk..
                 ..kkkkkkkkkkkk.. ..kwkwkwkwkwkk.. ..kkkkkkkkkkkk.. ..kwkwkwkwkwkk.. ..kkkkkkkkkkkk..
                 ..kwkwkwkwkwkk.. ..kkkkkkkkkkkk.. ................ ................ ................
                 ................)],
        1 => [qw(................ ..kkkkkkkkkkkk.. ..kbbbbbbbbbbk.. ..kkkkkkkkkkkk.. ..kwwwwwwwwwwk..
                 ..kwrrwwwwwwwk.. ..kwwwwwwwwwwk.. ..kwwwwwrrwwwk.. ..kwwwwwwwwwwk.. ..kwwrrwwwwwwk..
                 ..kwwwwwwwwwwk.. ..kkkkkkkkkkkk.. ................ ................ ................
                 ................)],
        2 => [qw(................ ..kkkkkkkkkk.... ..kwwwwwwwwk.... ..kwwwwwwwGk.... ..kwwwwwwGGk....
                 ..kGwwwwGGwk.... ..kGGwwGGwwk.... ..kwGGGGwwwk.... ..kwwGGwwwwk.... ..kwwwwwwwwk....
                 ..kkkkkkkkkk.... ................ ................ ................ ................
                 ................)],
        3 => [qw(................ ..kkkkkkkkk..... ..kwwwwwwwkk.... ..kwwwwwwwkwk... ..kwggggwkkkk...
                 ..kwwwwwwwwwk... ..kwgggggggwk... ..kwwwwwwwwwk... ..kwgggggggwk... ..kwwwwwwwwwk...
                 ..kkkkkkkkkkk... ................ ................ ................ ................
                 ................)],
    );
    for my $view (0 .. 3) {
        $large{4 + 2 * $view} = $mode{$view};
        $large{5 + 2 * $view} = [map { (my $r = $_) =~ tr/./c/; $r } @{$mode{$view}}];
    }

    my $strip = sub {
        my ($pictures, $count, $size, $name) = @_;
        my @px;
        for my $i (0 .. $count - 1) {
            my $rows = $pictures->{$i} // [('.' x $size) x $size];
            @$rows == $size or die "$name image $i has " . scalar(@$rows) . " rows\n";
            for my $y (0 .. $size - 1) {
                length($rows->[$y]) == $size or die "$name image $i row $y is not $size wide\n";
                for my $x (0 .. $size - 1) {
                    my $c = substr($rows->[$y], $x, 1);
                    my $rgb = $palette{$c} or die "$name image $i: unknown colour '$c'\n";
                    $px[$y][$i * $size + $x] = $rgb;
                }
            }
        }
        return ($count * $size, $size, \@px);
    };
    write_bmp("$dir/Glimmor12.bmp", $strip->(\%small, 28, 12, 'Glimmor12'));
    write_bmp("$dir/Glimmor16.bmp", $strip->(\%large, 34, 16, 'Glimmor16'));
}

today_item_bitmaps($out);

# ---- the "취소" button of the backup dialog ------------------------------------
# The "확인" face with its two letters wiped and "취소" drawn in their place.

my @chwi = qw(
    ..x......x.. xxxxx....x.. ..x......x.. .x.x.....x.. x...x....x.. .........x..
    xxxxxxx..x.. ...x.....x.. ...x.....x.. .........x.. .........x.. ............);
my @so = qw(
    ....x....... ...x.x...... ..x...x..... .x.....x.... x.......x... ............
    ....x....... ....x....... xxxxxxxxx... ............ ............ ............);

sub cancel_face {
    my ($w, $h, $px) = button_face();
    my ($top, $left, $step, $size) = (4, 11, 15, 12);
    my $fill = $px->[2][2];
    for my $y ($top .. $top + $size - 1) {
        $px->[$y][$_] = $fill for $left .. $left + $step + $size - 1;
    }
    for my $glyph ([\@chwi, $left], [\@so, $left + $step]) {
        my ($rows, $x0) = @$glyph;
        for my $y (0 .. $#$rows) {
            for my $x (0 .. length($rows->[$y]) - 1) {
                $px->[$top + $y][$x0 + $x] = [0, 0, 0] if substr($rows->[$y], $x, 1) eq 'x';
            }
        }
    }
    return ($w, $h, $px);
}

write_bmp("$out/cancel.bmp", cancel_face());

# ---- the Today item's weather icons and the faces of its pop-ups ---------------
#   Glimmor16W.bmp, Glimmor32W.bmp  39 weather icons (code c is image c - 1) of
#                                   16 x 16 and 32 x 32, magenta mask
#   GlimmorButtons.bmp              the pop-ups' button faces, 35 x 16 each:
#                                   close, edit, delete, mobile, phone, mail,
#                                   home, previous, next
#   GlimmorMarks.bmp                their 16 x 16 marks: close box, alarm,
#                                   recurrence, complete
# The weather pictures are drawn from shapes on a 32-unit grid, scaled to
# each size: codes 1-5 clear to overcast, then five skies each with rain,
# snow, rain and snow, thunder, thunder and rain, fog, and (four) heavy rain.
sub today_weather_and_popup_bitmaps {
    my ($dir) = @_;
    my %colour = (
        mask => [255, 0, 255], sun => [240, 200, 40], rim => [200, 120, 40], cloud => [250, 250, 250],
        edge => [128, 128, 128], dark => [150, 156, 170], darkedge => [80, 84, 96], rain => [40, 80, 192],
        snow => [90, 180, 230], bolt => [240, 208, 0], fog => [150, 150, 150],
    );
    my $canvas = sub {
        my ($w, $h) = @_;
        return [map { [map { $colour{mask} } 1 .. $w] } 1 .. $h];
    };
    my $weather_icon = sub {
        my ($size, $sky, $fall) = @_;
        my $px = $canvas->($size, $size);
        my $k = $size / 32;
        my $put = sub {
            my ($x, $y, $c) = @_;
            $px->[$y][$x] = $c if $x >= 0 && $y >= 0 && $x < $size && $y < $size;
        };
        my $disc = sub {
            my ($cx, $cy, $r, $c) = @_;
            my ($x0, $y0, $rr) = ($cx * $k, $cy * $k, $r * $k);
            for my $y (0 .. $size - 1) {
                for my $x (0 .. $size - 1) {
                    $put->($x, $y, $c) if ($x + 0.5 - $x0) ** 2 + ($y + 0.5 - $y0) ** 2 <= $rr * $rr;
                }
            }
        };
        my $line = sub {
            my ($x1, $y1, $x2, $y2, $c) = @_;
            my $steps = 2 * $size;
            for my $i (0 .. $steps) {
                my $t = $i / $steps;
                $put->(int(($x1 + ($x2 - $x1) * $t) * $k), int(($y1 + ($y2 - $y1) * $t) * $k), $c);
            }
        };
        my $sun = sub {
            my ($cx, $cy, $r) = @_;
            for my $a (0 .. 7) {
                my $t = $a * 3.14159265 / 4;
                $line->($cx + cos($t) * ($r + 2), $cy + sin($t) * ($r + 2), $cx + cos($t) * ($r + 5),
                        $cy + sin($t) * ($r + 5), $colour{rim});
            }
            $disc->($cx, $cy, $r + 1, $colour{rim});
            $disc->($cx, $cy, $r, $colour{sun});
        };
        my $cloud = sub {
            my ($dx, $dy, $scale, $fill, $edge) = @_;
            my @blobs = ([9, 19, 5], [16, 14, 7], [23, 18, 6], [13, 21, 5], [20, 21, 5]);
            for my $pass ([$edge, 1], [$fill, 0]) {
                my ($c, $grow) = @$pass;
                $disc->($dx + $_->[0] * $scale, $dy + $_->[1] * $scale, $_->[2] * $scale + $grow, $c) for @blobs;
            }
        };
        my %skies = (
            sun      => sub { $sun->(16, 15, 7) },
            suncloud => sub { $sun->(12, 11, 6); $cloud->(11, 10, 0.7, $colour{cloud}, $colour{edge}) },
            cloudsun => sub { $sun->(10, 9, 5); $cloud->(2, 1, 1.0, $colour{cloud}, $colour{edge}) },
            cloud    => sub { $cloud->(1, 0, 1.0, $colour{cloud}, $colour{edge}) },
            dark     => sub { $cloud->(1, 0, 1.0, $colour{dark}, $colour{darkedge}) },
        );
        my $drops = sub {
            my ($count) = @_;
            my @at = $count > 3 ? ([8, 25], [13, 27], [18, 25], [23, 27], [28, 25]) : ([10, 25], [17, 26], [24, 25]);
            $line->($_->[0], $_->[1], $_->[0] - 2, $_->[1] + 5, $colour{rain}) for @at;
        };
        my $flakes = sub {
            for my $at (@_) {
                my ($x, $y) = @$at;
                $line->($x - 2, $y, $x + 2, $y, $colour{snow});
                $line->($x, $y - 2, $x, $y + 2, $colour{snow});
                $line->($x - 2, $y - 2, $x + 2, $y + 2, $colour{snow});
                $line->($x - 2, $y + 2, $x + 2, $y - 2, $colour{snow});
            }
        };
        my $bolt = sub {
            my @path = ([19, 20], [14, 26], [18, 26], [13, 31]);
            for my $i (0 .. $#path - 1) {
                $line->(@{$path[$i]}, @{$path[$i + 1]}, $colour{bolt});
                $line->($path[$i][0] + 1, $path[$i][1], $path[$i + 1][0] + 1, $path[$i + 1][1], $colour{rim});
            }
        };
        my %falls = (
            none    => sub { },
            rain    => sub { $drops->(3) },
            snow    => sub { $flakes->([10, 27], [21, 27]) },
            sleet   => sub { $line->(10, 25, 8, 30, $colour{rain}); $line->(24, 25, 22, 30, $colour{rain});
                             $flakes->([16, 28]) },
            thunder => sub { $bolt->() },
            storm   => sub { $bolt->(); $line->(8, 25, 6, 30, $colour{rain}); $line->(26, 25, 24, 30, $colour{rain}) },
            fog     => sub { $line->(4, $_, 28, $_, $colour{fog}) for 24, 27, 30 },
            heavy   => sub { $drops->(5) },
        );
        $skies{$sky}->();
        $falls{$fall}->();
        return $px;
    };
    my @skies = qw(sun suncloud cloudsun cloud dark);
    my @codes;
    for my $fall (qw(none rain snow sleet thunder storm fog heavy)) {
        push @codes, [$_, $fall] for @skies;
    }
    splice @codes, 39;
    my $join = sub {
        my ($w, $h, @pictures) = @_;
        my @px;
        for my $i (0 .. $#pictures) {
            for my $y (0 .. $h - 1) {
                $px[$y][$i * $w + $_] = $pictures[$i][$y][$_] for 0 .. $w - 1;
            }
        }
        return ($w * @pictures, $h, \@px);
    };
    for my $size (16, 32) {
        write_bmp("$dir/Glimmor${size}W.bmp", $join->($size, $size, map { $weather_icon->($size, @$_) } @codes));
    }

    my $stamp = sub {
        my ($px, $x0, $y0, $rows) = @_;
        for my $y (0 .. $#$rows) {
            for my $x (0 .. length($rows->[$y]) - 1) {
                my $c = substr($rows->[$y], $x, 1);
                $px->[$y0 + $y][$x0 + $x] = $palette{$c} if $c ne '.';
            }
        }
    };
    my $cross = [qw(
        ................ ................ ................ ....kk....kk.... ....krk..krk.... .....krkkrk.....
        ......krrk...... ......krrk...... .....krkkrk..... ....krk..krk.... ....kk....kk.... ................
        ................ ................ ................ ................)];
    my @faces = ($cross, marked($base{page}, 'pencil'), marked($base{page}, 'cross'), $base{mobile}, $base{office},
                 $base{envelope}, $base{home}, $base{left}, mirror($base{left}));
    my $face = sub {
        my ($picture) = @_;
        my $px = $canvas->(35, 16);
        for my $y (0 .. 15) {
            for my $x (0 .. 34) {
                my $corner = ($x == 0 || $x == 34) && ($y == 0 || $y == 15);
                my $edge = $x == 0 || $x == 34 || $y == 0 || $y == 15;
                my $shade = 232 - 2 * $y;
                $px->[$y][$x] = $corner ? $colour{mask} : $edge ? [16, 44, 99] : [$shade - 16, $shade - 8, 250];
            }
        }
        $stamp->($px, 9, 0, $picture);
        return $px;
    };
    write_bmp("$dir/GlimmorButtons.bmp", $join->(35, 16, map { $face->($_) } @faces));

    my @marks = (
        [qw(kkkkkkkkkkkkkkkk kwwwwwwwwwwwwwwk kwkkwwwwwwwwkkwk kwkkkwwwwwwkkkwk kwwkkkwwwwkkkwwk kwwwkkkwwkkkwwwk
            kwwwwkkkkkkwwwwk kwwwwwkkkkwwwwwk kwwwwwkkkkwwwwwk kwwwwkkkkkkwwwwk kwwwkkkwwkkkwwwk kwwkkkwwwwkkkwwk
            kwkkkwwwwwwkkkwk kwkkwwwwwwwwkkwk kwwwwwwwwwwwwwwk kkkkkkkkkkkkkkkk)],
        [qw(................ .......kk....... ......kyyk...... .....kyyyyk..... ....kyyyyyyk.... ....kyyyyyyk....
            ....kyyyyyyk.... ....kyyyyyyk.... ...kyyyyyyyyk... ...kyyyyyyyyk... ..kyyyyyyyyyyk.. ..kkkkkkkkkkkk..
            ......kyyk...... .......kk....... ................ ................)],
        [qw(................ .....bbbbbb..... ...bb......bb... ..b..........b.. .b..........bbb. .b.........bbbbb
            b............b.. b............... ...............b ..b............b bbbbb.........b. .bbb..........b.
            ..b..........b.. ...bb......bb... .....bbbbbb..... ................)],
        $base{check},
    );
    write_bmp("$dir/GlimmorMarks.bmp", $join->(16, 16, map { my $px = $canvas->(16, 16); $stamp->($px, 0, 0, $_); $px } @marks));
}

today_weather_and_popup_bitmaps($out);
