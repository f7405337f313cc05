// Resource libraries carry no code of their own.
