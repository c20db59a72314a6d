#!/usr/bin/perl
# Prints glyph-table lines for make_bitmaps.pl: each character given is
# rendered once, two-level, with NanumGothic through ImageMagick, and written
# as its width and 16 rows of hexadecimal bits (most significant bit
# leftmost). Text is traced at 12 points as it comes; a larger size (the
# single consonants of the index bar and the keypad) is cut to its ink and
# centred in the 16 rows. Only needed when a face gets a character the table
# lacks:
#   perl resources/trace_glyphs.pl 12 가나다
use strict;
use warnings;
use utf8;

binmode STDOUT, ':encoding(UTF-8)';
my $font = '/usr/share/fonts/truetype/nanum/NanumGothic.ttf';
-f $font or die "no $font (Debian fonts-nanum)\n";
my ($size, $text) = @ARGV;
defined $text && $size =~ /^\d+$/ or die "usage: trace_glyphs.pl POINTS CHARACTERS\n";
my $trim = $size == 12 ? '' : '-trim +repage';
utf8::decode($text);

for my $char (split //, $text) {
    my $pbm = `convert -background white -fill black -font $font -pointsize $size +antialias label:\Q$char\E $trim -depth 1 -compress none pbm:-`;
    $? == 0 or die "convert failed for $char\n";
    my @numbers = grep { length } split /\s+/, ($pbm =~ s/^P1\s*//r);
    my ($width, $height) = splice @numbers, 0, 2;
    $height <= 16 or die "$char: $height rows, more than 16\n";
    my $above = int((16 - $height) / 2);
    my @rows;
    for my $y (0 .. 15) {
        my $row = $y - $above;
        my $bits = $row >= 0 && $row < $height ? join('', @numbers[$row * $width .. ($row + 1) * $width - 1])
                                               : '0' x $width;
        $bits .= '0' x ((4 - length($bits) % 4) % 4);
        push @rows, unpack('H*', pack('B*', $bits . '0' x ((8 - length($bits) % 8) % 8)));
        $rows[-1] = substr($rows[-1], 0, length($bits) / 4);
    }
    # A traced cut gets one column of space after it.
    printf "    '%s' => [%d, '%s'],\n", $char, $width + ($trim ? 1 : 0), join ' ', @rows;
}
