#!/usr/bin/perl
# Writes a weather feed for the weather server stand-in: the records of a
# table (weather_table.txt beside this script by default) dated from the
# first date given, 84 bytes each in code page 949, blank-padded; with
# --dat the import file's form, each record followed by a line feed.
#   make_weather_feed.pl [--dat] [--table FILE] YYYY-MM-DD > feed
use strict;
use warnings;
use utf8;
use Encode qw(encode decode);
use FindBin;
use Time::Local qw(timegm);

my ($dat, $table) = (0, "$FindBin::Bin/weather_table.txt");
while (@ARGV && $ARGV[0] =~ /^--/) {
    my $option = shift;
    if ($option eq '--dat') { $dat = 1 }
    elsif ($option eq '--table') { $table = shift }
    else { die "unknown option $option\n" }
}
my $first = shift // '';
my ($y, $m, $d) = $first =~ /^(\d{4})-(\d\d)-(\d\d)$/ or die "usage: make_weather_feed.pl [--dat] [--table FILE] YYYY-MM-DD\n";
my $start = timegm(0, 0, 12, $d, $m - 1, $y);

# Field widths in feed order after the date.
my @widths = (10, 2, 3, 3, 3, 3, 50);

open my $in, '<:encoding(UTF-8)', $table or die "cannot read $table: $!\n";
my @records;
while (my $line = <$in>) {
    chomp $line;
    next if $line =~ /^#/ || $line eq '';
    my ($day, $region, $icon, @rest) = split /\t/, $line, -1;
    @rest == 5 or die "$table line $.: 8 fields expected\n";
    my @t = gmtime($start + $day * 86400);
    my $record = sprintf('%04d-%02d-%02d', $t[5] + 1900, $t[4] + 1, $t[3]);
    my @fields = ($region, $icon, $rest[0], $rest[1], $rest[2], $rest[3], $rest[4]);
    for my $i (0 .. $#fields) {
        my $bytes = encode('cp949', $fields[$i], Encode::FB_CROAK);
        length($bytes) <= $widths[$i] or die "$table line $.: \"$fields[$i]\" is wider than $widths[$i] bytes\n";
        $record .= $bytes . (' ' x ($widths[$i] - length $bytes));
    }
    push @records, $record . ($dat ? "\n" : '');
}
@records == 70 or die "$table holds " . scalar(@records) . " records, not 70\n";
binmode STDOUT;
print @records;
